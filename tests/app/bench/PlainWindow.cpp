// The tool's main window made with the platform alone: the same window and
// standard controls (classes, styles, sizes, fonts, colours) and no
// framework. The start-up benchmark measures the tool against it.
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>

namespace {

struct TRotulo {
  const wchar_t* Texto;
  int X, Y;
  COLORREF Cor;
  bool Negrito;
  int Altura;  // of the font, in points
};

constexpr COLORREF Marinho = RGB(0, 0, 128), Verde = RGB(0, 128, 128), Vermelho = RGB(255, 0, 0);

const TRotulo Rotulos[] = {
    {L"Banco de Dados", 8, 8, 0, false, 8},   {L"Base de Dados", 8, 54, 0, false, 8},
    {L"[Fechado]", 268, 28, Vermelho, false, 8}, {L"Nota Fiscal", 128, 100, Marinho, false, 8},
    {L"Empresa", 8, 100, 0, false, 8},        {L"Revenda", 76, 100, 0, false, 8},
    {L"Série", 232, 100, Marinho, false, 8},  {L"Transação", 292, 100, Marinho, false, 8},
    {L"à", 128, 166, 0, false, 8},            {L"Data Inicial", 8, 146, Marinho, false, 8},
    {L"Data Final", 148, 146, Marinho, false, 8}, {L"Versão: 03/08/2022", 8, 244, Verde, true, 10},
    {L"Contador", 360, 100, Marinho, false, 8},
};

HFONT Fonte(HDC Dc, int Pontos, bool Negrito) {
  return CreateFontW(-MulDiv(Pontos, GetDeviceCaps(Dc, LOGPIXELSY), 72), 0, 0, 0,
                     Negrito ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
}

HFONT GFonte, GNegrito, GGrande;

void PintaRotulos(HWND Janela) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Janela, &ps);
  SetBkMode(dc, TRANSPARENT);
  for (const TRotulo& r : Rotulos) {
    SelectObject(dc, r.Altura == 10 ? GGrande : GFonte);
    SetTextColor(dc, r.Cor);
    TextOutW(dc, r.X, r.Y, r.Texto, lstrlenW(r.Texto));
  }
  SelectObject(dc, GNegrito);
  SetTextColor(dc, Verde);
  RECT info{8, 198, 442, 230};
  DrawTextW(dc, L"Só é necessário preencher as datas quando for informado apenas Empresa/Revenda", -1,
            &info, DT_CENTER | DT_WORDBREAK);
  EndPaint(Janela, &ps);
}

LRESULT CALLBACK ProcJanela(HWND Janela, UINT Msg, WPARAM W, LPARAM L) {
  switch (Msg) {
    case WM_PAINT:
      PintaRotulos(Janela);
      return 0;
    case WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(L)->itemHeight = 16;
      return TRUE;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(L);
      wchar_t texto[64] = L"";
      if (item->itemID != static_cast<UINT>(-1))
        SendMessageW(item->hwndItem, CB_GETLBTEXT, item->itemID, reinterpret_cast<LPARAM>(texto));
      const bool selecionado = item->itemState & ODS_SELECTED;
      FillRect(item->hDC, &item->rcItem, GetSysColorBrush(selecionado ? COLOR_HIGHLIGHT : COLOR_WINDOW));
      SetTextColor(item->hDC, GetSysColor(selecionado ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
      SetBkMode(item->hDC, TRANSPARENT);
      TextOutW(item->hDC, item->rcItem.left + 2, item->rcItem.top, texto, lstrlenW(texto));
      return TRUE;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(Janela, Msg, W, L);
}

HWND Filho(HWND Pai, const wchar_t* Classe, const wchar_t* Texto, DWORD Estilo, DWORD EstiloEx, int X, int Y,
           int Largura, int Altura, HFONT Fonte) {
  HWND filho = CreateWindowExW(EstiloEx, Classe, Texto, WS_CHILD | WS_VISIBLE | WS_TABSTOP | Estilo, X, Y,
                               Largura, Altura, Pai, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(filho, WM_SETFONT, reinterpret_cast<WPARAM>(Fonte), FALSE);
  return filho;
}

void CriaControles(HWND Janela) {
  HWND combo = Filho(Janela, L"COMBOBOX", L"", CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS |
                     CBS_AUTOHSCROLL | WS_VSCROLL, 0, 8, 24, 153, 200, GFonte);
  for (const wchar_t* tipo : {L"Interbase/Firebird", L"Oracle", L"SQL Server"})
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(tipo));
  Filho(Janela, L"BUTTON", L"Abrir B.D.", BS_PUSHBUTTON, 0, 168, 22, 90, 25, GFonte);
  Filho(Janela, L"EDIT", L"", ES_UPPERCASE | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 8, 70, 434, 21, GFonte);
  struct {
    int X, Largura, Limite;
    bool Numeros;
  } const edicoes[] = {{8, 60, 6, true}, {76, 44, 2, true}, {128, 96, 12, true},
                       {232, 52, 5, false}, {292, 60, 3, false}};
  for (const auto& e : edicoes) {
    HWND edicao = Filho(Janela, L"EDIT", L"", ES_UPPERCASE | ES_AUTOHSCROLL | (e.Numeros ? ES_NUMBER : 0),
                        WS_EX_CLIENTEDGE, e.X, 116, e.Largura, 21, GFonte);
    SendMessageW(edicao, EM_LIMITTEXT, e.Limite, 0);
  }
  Filho(Janela, L"BUTTON", L"Executar", BS_PUSHBUTTON, 0, 328, 156, 114, 30, GNegrito);
  for (int x : {8, 148}) {
    HWND data = Filho(Janela, DATETIMEPICK_CLASSW, L"", DTS_SHORTDATEFORMAT | DTS_SHOWNONE, 0, x, 162, 112,
                      21, GFonte);
    SYSTEMTIME agora;
    GetLocalTime(&agora);
    SendMessageW(data, DTM_SETSYSTEMTIME, GDT_NONE, reinterpret_cast<LPARAM>(&agora));
  }
  HWND contador = Filho(Janela, L"EDIT", L"", ES_UPPERCASE | ES_AUTOHSCROLL | ES_NUMBER, WS_EX_CLIENTEDGE, 360,
                        116, 60, 21, GFonte);
  SendMessageW(contador, EM_LIMITTEXT, 5, 0);
  Filho(Janela, STATUSCLASSNAMEW, L"", 0, 0, 0, 274, 450, 19, GFonte);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE Instancia, HINSTANCE, PWSTR, int Mostra) {
  INITCOMMONCONTROLSEX controles{sizeof(controles), ICC_DATE_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controles);
  HDC tela = GetDC(nullptr);
  GFonte = Fonte(tela, 8, false);
  GNegrito = Fonte(tela, 8, true);
  GGrande = Fonte(tela, 10, true);
  ReleaseDC(nullptr, tela);

  WNDCLASSEXW classe{sizeof(classe)};
  classe.lpfnWndProc = ProcJanela;
  classe.hInstance = Instancia;
  classe.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  classe.hbrBackground = GetSysColorBrush(COLOR_3DLIGHT);
  classe.lpszClassName = L"JanelaSimples";
  RegisterClassExW(&classe);
  RECT area{0, 0, 450, 293};
  const DWORD estilo = WS_OVERLAPPEDWINDOW;
  AdjustWindowRectEx(&area, estilo, FALSE, 0);
  const int largura = area.right - area.left, altura = area.bottom - area.top;
  HWND janela = CreateWindowExW(0, classe.lpszClassName, L"Correção das Operações da Conversão", estilo,
                                (GetSystemMetrics(SM_CXSCREEN) - largura) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - altura) / 2, largura, altura, nullptr,
                                nullptr, Instancia, nullptr);
  CriaControles(janela);
  ShowWindow(janela, Mostra);
  UpdateWindow(janela);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(janela, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  DeleteObject(GFonte);
  DeleteObject(GNegrito);
  DeleteObject(GGrande);
  return 0;
}
