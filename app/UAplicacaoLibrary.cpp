#include "app/UAplicacaoLibrary.h"

#include "vcl/controls/Dialogs.h"
#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/DateUtils.h"

TAplicacaoLibrary::TAplicacaoLibrary(TComponent* AOwner)
    : TComponent(AOwner),
      dLcDataToleranciaPre(Now()),
      dLcDataToleranciaLem(Now()),
      dLcDataProcessamento(Now()) {}

const TPropTable* TAplicacaoLibrary::PublishedTable(TPublishedTag<TAplicacaoLibrary>) {
  using T = TAplicacaoLibrary;
  static const TPropTable table =
      TPublished<T>()
          .Property(L"BancoDados", &T::BancoDados, &T::SetBancoDados)
          .Property(L"DataToleranciaPre", &T::DataToleranciaPre, &T::SetDataToleranciaPre,
                    DateTimeTypeInfo())
          .Property(L"DataToleranciaLem", &T::DataToleranciaLem, &T::SetDataToleranciaLem,
                    DateTimeTypeInfo())
          .Property(L"DirArquivos", &T::DirArquivos, &T::SetDirArquivos)
          .Property(L"Revenda", &T::Revenda, &T::SetRevenda)
          .Property(L"Empresa", &T::Empresa, &T::SetEmpresa)
          .Property(L"Marca", &T::Marca, &T::SetMarca)
          .Property(L"Usuario", &T::Usuario, &T::SetUsuario)
          .Property(L"VersaoSQLServer", &T::VersaoSQLServer, &T::SetVersaoSQLServer)
          .Property(L"DataProcessamento", &T::DataProcessamento, &T::SetDataProcessamento,
                    DateTimeTypeInfo())
          .Property(L"QtdHorasDifServidor", &T::QtdHorasDifServidor, &T::SetQtdHorasDifServidor)
          .Property(L"LoginUsuario", &T::LoginUsuario, &T::SetLoginUsuario)
          .Property(L"VersaoBD", &T::VersaoBD, &T::SetVersaoBD)
          .Property(L"DescDespLancContabil", &T::DescDespLancContabil, &T::SetDescDespLancContabil)
          .Property(L"RevendaIntegracaoContabil", &T::RevendaIntegracaoContabil,
                    &T::SetRevendaIntegracaoContabil)
          .Property(L"DepartamentoUsuario", &T::DepartamentoUsuario, &T::SetDepartamentoUsuario)
          .Property(L"Politica_Atual", &T::Politica_Atual, &T::SetPolitica_Atual)
          .Build();
  return &table;
}

namespace {

bool EhTexto(TTypeKind Kind) {
  return Kind == tkUString || Kind == tkWString || Kind == tkLString || Kind == tkString;
}
bool EhInteiro(TTypeKind Kind) { return Kind == tkInteger || Kind == tkInt64; }

// Writes the source's value into the destination as it is: texts into
// texts, whole numbers into whole numbers (within the destination's range)
// or floating values, floating values into floating values, enumerations
// into the same enumeration. Anything else is an invalid cast.
void CopiaValor(const TObject* Origem, PPropInfo P, TObject* Destino, PPropInfo Q) {
  const TTypeKind de = P->PropType->Kind, para = Q->PropType->Kind;
  if (EhTexto(de) && EhTexto(para))
    SetStrProp(Destino, Q, GetStrProp(Origem, P));
  else if (EhInteiro(de) && EhInteiro(para))
    SetOrdProp(Destino, Q, GetOrdProp(Origem, P));
  else if (EhInteiro(de) && para == tkFloat)
    SetFloatProp(Destino, Q, static_cast<double>(GetOrdProp(Origem, P)));
  else if (de == tkFloat && para == tkFloat)
    SetFloatProp(Destino, Q, GetFloatProp(Origem, P));
  else if (de == tkEnumeration && para == tkEnumeration && P->PropType->Name == Q->PropType->Name)
    SetOrdProp(Destino, Q, GetOrdProp(Origem, P));
  else
    throw EInvalidCast(L"Invalid class typecast");
}

}  // namespace

void TAplicacaoLibrary::AtualizaPropriedades(TComponent* pAplicacao) {
  const String mensagem = L"Erro ao atualizar propriedade RTTI.";
  String examinada;  // the destination property being examined
  try {
    if (!pAplicacao) throw EArgumentException(L"Nenhum contexto de origem.");
    const std::vector<PPropInfo> origem = GetPropList(pAplicacao);
    const std::vector<PPropInfo> destino = GetPropList(this);
    for (PPropInfo p : origem)
      for (PPropInfo q : destino) {
        // Only this class's own properties are taken over, never the inherited ones.
        if (p->Name != q->Name || String(q->DeclaringClass->Name) != L"TAplicacaoLibrary") continue;
        examinada = q->Name;
        if (p->PropType->Name == L"Boolean")
          SetOrdProp(this, q, VarToStr(GetPropValue(pAplicacao, p)) == L"True");
        else
          CopiaValor(pAplicacao, p, this, q);
      }
  } catch (const Exception& E) {
    MessageDlg(mensagem + (examinada.empty() ? String() : L" " + examinada) + L"\r\n" + E.Message(),
               mtError, {mbOK, mbCancel}, 0);
  }
}

const TUnitEntry UAplicacaoLibraryUnit{
    L"UAplicacaoLibrary", [] { RegisterClass(TAplicacaoLibrary::StaticClass()); }, nullptr};
