object Form2: TForm2
  Left = 331
  Top = 79
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'Form2'
  ClientHeight = 176
  ClientWidth = 422
  Color = clBtnFace
  Font.Charset = ANSI_CHARSET
  Font.Color = clBlack
  Font.Height = -13
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  FormStyle = fsStayOnTop
  HorzScrollBar.Visible = False
  VertScrollBar.Visible = False
  Position = poScreenCenter
  Scaled = False
  PixelsPerInch = 120
end
