// KWYUtils: the message callback. A request is a kind word, "#$#" and the
// text to show; an input box request is "InputBox#$#caption#$#prompt#$#default".
#include <memory>
#include <vector>

#include "sqlutil/KWYUtils.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Dialogs.h"
#include "vcl/data/DBXJSON.h"

namespace {

const String Separador = L"#$#";

std::unique_ptr<TMessageCallback> GMessageCallback;

// The request's parts between the separators; the last of the Partes parts
// holds the rest of the text, missing parts are empty.
std::vector<String> Divide(const String& Pedido, size_t Partes) {
  std::vector<String> partes;
  size_t de = 0;
  for (size_t ate; partes.size() + 1 < Partes && (ate = Pedido.find(Separador, de)) != String::npos;) {
    partes.push_back(Pedido.substr(de, ate - de));
    de = ate + Separador.size();
  }
  partes.push_back(Pedido.substr(de));
  partes.resize(Partes);
  return partes;
}

// The text left in an input box of caption, prompt and default value.
TJSONValue* PerguntaTexto(const String& Pedido) {
  const std::vector<String> partes = Divide(Pedido, 4);
  return new TJSONString(InputBox(partes[1], partes[2], partes[3]));
}

TJSONValue* Responde(TJSONValue* Arg) {
  if (Application) Application->ProcessMessages();  // the screen is up to date first
  const String pedido = Arg ? Arg->Value() : String();
  const size_t separador = pedido.find(Separador);
  if (separador == String::npos) {
    MessageDlg(pedido, mtWarning, {mbOK}, 0);
    return new TJSONFalse();
  }
  const String mostrado = pedido.substr(separador + Separador.size());
  const auto contem = [&pedido](const wchar_t* Tipo) { return pedido.find(Tipo) != String::npos; };
  bool sim = false;
  if (contem(L"mtInformation"))
    MessageDlg(mostrado, mtInformation, {mbOK}, 0);
  else if (contem(L"mtError"))
    MessageDlg(mostrado, mtError, {mbOK}, 0);
  else if (contem(L"mtConfirmation"))
    sim = MessageDlg(mostrado, mtConfirmation, {mbYes, mbNo}, 0) == mrYes;
  else if (contem(L"mtCustom"))
    MessageDlg(mostrado, mtCustom, {mbOK}, 0);
  else if (contem(L"InputBox"))
    return PerguntaTexto(pedido);
  else
    MessageDlg(mostrado, mtWarning, {mbOK}, 0);
  if (contem(L"mtConfirmationDLL")) return new TJSONString(sim ? L"SIM" : L"NAO");
  if (sim) return new TJSONTrue();
  return new TJSONFalse();
}

}  // namespace

TMessageCallback* TMessageCallback::CreateCallback() {
  GMessageCallback = std::make_unique<TMessageCallback>(Responde);
  return GMessageCallback.get();
}

const TUnitEntry KWYUtilsUnit{L"KWYUtils", nullptr, [] { GMessageCallback.reset(); }};
