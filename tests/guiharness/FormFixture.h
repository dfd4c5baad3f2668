#pragma once
// A test fixture with one form owned by the application and a way to put
// controls on it; the form and its controls go at the end of each test.
// The real cursor is parked in the screen's far corner first: controls track
// the hot state from it, and earlier tests leave it anywhere.
#include <windows.h>

#include <gtest/gtest.h>

#include "vcl/controls/Application.h"
#include "vcl/controls/Forms.h"

struct FormFixture : ::testing::Test {
  FormFixture() { SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1); }
  TForm* Form = new TForm(Application);
  ~FormFixture() override { delete Form; }

  template <typename T>
  T* Add(int Left, int Top) {
    auto* control = new T(Form);
    control->SetParent(Form);
    control->SetLeft(Left);
    control->SetTop(Top);
    return control;
  }
};
