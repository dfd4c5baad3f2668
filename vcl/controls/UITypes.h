#pragma once
// Types shared by forms, dialogs and drawing code: modal results,
// message-dialog kinds and buttons, horizontal text alignment.
#include "vcl/rtl/Sets.h"

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
using enum TAlignment;

// What closed a modal form or dialog; the values are the platform's own
// dialog-box command identifiers (IDOK, IDCANCEL, ...).
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrClose = 8;

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
using enum TMsgDlgType;

enum class TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbHelp };
using enum TMsgDlgBtn;
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
