object Form1: TForm1
  Left = 265
  Top = 326
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Form1'
  ClientHeight = 259
  ClientWidth = 513
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -10
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  PopupMenu = Popup
  Scaled = False
  OnActivate = FormActivate
  OnCreate = FormCreate
  PixelsPerInch = 120
  object Sfondo: TImage
    Left = 0
    Top = 0
    Width = 512
    Height = 256
    Picture.Resource = 'SFONDO'
  end
  object Popup: TPopupMenu
    object N3: TMenuItem
      Caption = '-'
    end
    object Autoload1: TMenuItem
      Caption = 'Caricamento automatico'
      Checked = True
    end
    object ItemLegge: TMenuItem
      Caption = 'Una battuta al giorno'
      Checked = True
    end
    object AutoClose1: TMenuItem
      Caption = 'Chiusura Automatica'
    end
    object N2: TMenuItem
      Caption = '-'
    end
    object About1: TMenuItem
      Caption = 'About'
    end
    object HomePagediTralalino1: TMenuItem
      Caption = 'HomePage di Tralalino!'
    end
    object ItemSito1: TMenuItem
      Caption = 'HomePage di Valdrena'
    end
    object Help1: TMenuItem
      Caption = 'Help'
    end
    object N1: TMenuItem
      Caption = '-'
    end
    object ItemEsci: TMenuItem
      Caption = 'Esci'
    end
  end
end
