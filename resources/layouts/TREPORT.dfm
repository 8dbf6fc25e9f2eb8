object Report: TReport
  Left = 235
  Top = 235
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Tralalino! Ogni giorno una risata'
  ClientHeight = 256
  ClientWidth = 512
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  FormStyle = fsStayOnTop
  Scaled = False
  ShowHint = True
  OnClose = FormClose
  OnCreate = FormCreate
  OnShow = FormShow
  PixelsPerInch = 120
  object Sfondo1: TImage
    Left = 0
    Top = 0
    Width = 512
    Height = 256
    Stretch = True
    OnMouseDown = Sfondo1MouseDown
    OnMouseMove = Sfondo1MouseMove
  end
  object Label1: TLabel
    Left = 56
    Top = 208
    Width = 449
    Height = 25
    Alignment = taRightJustify
    AutoSize = False
    Caption = 'Label'
    Font.Charset = ANSI_CHARSET
    Font.Color = 4210816
    Font.Height = -17
    Font.Name = 'Comic Sans MS'
    Font.Style = [fsBold]
    Transparent = True
    OnMouseDown = Sfondo1MouseDown
    OnMouseMove = Sfondo1MouseMove
  end
  object Label2: TLabel
    Left = 8
    Top = 88
    Width = 497
    Height = 33
    Caption = 'Label'
    Font.Charset = ANSI_CHARSET
    Font.Color = clBlack
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    Transparent = True
    WordWrap = True
    OnMouseDown = Sfondo1MouseDown
    OnMouseMove = Sfondo1MouseMove
  end
  object Label3: TLabel
    Left = 8
    Top = 64
    Width = 450
    Height = 25
    AutoSize = False
    Caption = 'Label'
    Font.Charset = ANSI_CHARSET
    Font.Color = clMaroon
    Font.Height = -17
    Font.Name = 'Comic Sans MS'
    Font.Style = [fsBold]
    Transparent = True
    OnMouseDown = Sfondo1MouseDown
    OnMouseMove = Sfondo1MouseMove
  end
  object Indietro: TRLabel
    Left = 182
    Top = 217
    Width = 18
    Height = 41
    ColorOff = 9836
    ColorOn = 2895804
    Caption = '<'
    Font.Charset = ANSI_CHARSET
    Font.Color = 9836
    Font.Height = -30
    Font.Name = 'Comic Sans MS'
    Font.Style = [fsBold]
    Transparent = True
    OnClick = IndietroClick
  end
  object Avanti: TRLabel
    Left = 310
    Top = 217
    Width = 18
    Height = 41
    ColorOff = 9836
    ColorOn = 2895804
    Caption = '>'
    Font.Charset = ANSI_CHARSET
    Font.Color = 9836
    Font.Height = -30
    Font.Name = 'Comic Sans MS'
    Font.Style = [fsBold]
    Transparent = True
    OnClick = AvantiClick
  end
  object Label5: TLabel
    Left = 200
    Top = 228
    Width = 113
    Height = 26
    Alignment = taCenter
    AutoSize = False
    Caption = 'Label'
    Font.Charset = ANSI_CHARSET
    Font.Color = 9836
    Font.Height = -18
    Font.Name = 'Comic Sans MS'
    Font.Style = [fsBold]
    Transparent = True
    OnMouseDown = Sfondo1MouseDown
    OnMouseMove = Sfondo1MouseMove
  end
  object VD: TLabel
    Left = 464
    Top = 224
    Width = 49
    Height = 33
    Hint = 'Valdrena: programmi simpatici e gratuiti per il tuo computer'
    AutoSize = False
    Transparent = True
    OnClick = VDClick
  end
  object Tralalino: TLabel
    Left = 328
    Top = 32
    Width = 177
    Height = 25
    Hint = 'Sul website: una battuta nuova ogni giorno e l''archivio aggiornato'
    AutoSize = False
    Transparent = True
    OnClick = TralalinoClick
  end
end
