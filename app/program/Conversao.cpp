// The program's entry: every unit's start-up, the application with its
// icon and title, the main window, and the message loop until it closes.
#include "app/Unit1.h"
#include "vcl/controls/Application.h"
#include "vcl/graphics/Icon.h"
#include "vcl/rtl/UnitStartup.h"
#include "vcl/rtl/WinApi.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const TUnitStartup startup;
  Application->Initialize();
  Application->Icon()->LoadFromResourceName(GetModuleHandleW(nullptr), L"Icon_1");
  Application->SetTitle(L"Correção das Operações da Conversão");
  TForm1* Form1 = nullptr;
  Application->CreateForm(Form1);
  Application->Run();
  return 0;
}
