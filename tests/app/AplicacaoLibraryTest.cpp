#include <gtest/gtest.h>

#include "app/UAplicacaoLibrary.h"
#include "tests/guiharness/ScriptedDialogs.h"
#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/DateUtils.h"

namespace {

// Another module's context as the general-services library sees it: some
// properties of the same names, one of them of another type, and others.
class TOutroContexto : public TComponent {
  VCL_COMPONENT_CLASS(TOutroContexto, TComponent)
  VCL_PUBLISHED(TOutroContexto)
public:
  using TComponent::TComponent;
  String BancoDados = L"ORACLE";
  int Empresa = 12;
  int64_t Revenda = 3;
  bool DescDespLancContabil = false;
  double DataProcessamento = 44000.5;
  String Marca = L"KWY";
  String Usuario = L"não é número";  // a text where the context has an integer
  int Desconhecida = 99;
  int Politica_Atual = 7;  // comes after Usuario: never reached
};

}  // namespace

const TPropTable* TOutroContexto::PublishedTable(TPublishedTag<TOutroContexto>) {
  using T = TOutroContexto;
  static const TPropTable table =
      TPublished<T>()
          .Property(L"BancoDados", &T::BancoDados, &T::BancoDados)
          .Property(L"Empresa", &T::Empresa, &T::Empresa)
          .Property(L"Revenda", &T::Revenda, &T::Revenda)
          .Property(L"DescDespLancContabil", &T::DescDespLancContabil, &T::DescDespLancContabil)
          .Property(L"DataProcessamento", &T::DataProcessamento, &T::DataProcessamento,
                    DateTimeTypeInfo())
          .Property(L"Marca", &T::Marca, &T::Marca)
          .Property(L"Usuario", &T::Usuario, &T::Usuario)
          .Property(L"Desconhecida", &T::Desconhecida, &T::Desconhecida)
          .Property(L"Politica_Atual", &T::Politica_Atual, &T::Politica_Atual)
          .Build();
  return &table;
}

TEST(AplicacaoLibrary, FreshContextHoldsTheDefaults) {
  const TDateTime antes = Now();
  TAplicacaoLibrary contexto(nullptr);
  const TDateTime depois = Now();
  EXPECT_EQ(contexto.RevendaIntegracaoContabil(), -1);
  EXPECT_EQ(contexto.DepartamentoUsuario(), -1);
  EXPECT_EQ(contexto.Politica_Atual(), -1);
  EXPECT_TRUE(contexto.DescDespLancContabil());
  for (const String& texto : {contexto.BancoDados(), contexto.DirArquivos(), contexto.Marca(),
                              contexto.LoginUsuario(), contexto.VersaoBD()})
    EXPECT_EQ(texto, L"");
  for (int numero : {contexto.Revenda(), contexto.Empresa(), contexto.Usuario(),
                     contexto.VersaoSQLServer(), contexto.QtdHorasDifServidor()})
    EXPECT_EQ(numero, 0);
  for (TDateTime data :
       {contexto.DataToleranciaPre(), contexto.DataToleranciaLem(), contexto.DataProcessamento()}) {
    EXPECT_GE(data, antes);
    EXPECT_LE(data, depois);
  }
}

TEST(AplicacaoLibrary, SeventeenPropertiesAreFoundByNameWithTypeAndDeclaringClass) {
  const struct {
    const wchar_t* Nome;
    const wchar_t* Tipo;
  } esperadas[] = {{L"BancoDados", L"string"},
                   {L"DataToleranciaPre", L"TDateTime"},
                   {L"DataToleranciaLem", L"TDateTime"},
                   {L"DirArquivos", L"string"},
                   {L"Revenda", L"Integer"},
                   {L"Empresa", L"Integer"},
                   {L"Marca", L"string"},
                   {L"Usuario", L"Integer"},
                   {L"VersaoSQLServer", L"Integer"},
                   {L"DataProcessamento", L"TDateTime"},
                   {L"QtdHorasDifServidor", L"Integer"},
                   {L"LoginUsuario", L"string"},
                   {L"VersaoBD", L"string"},
                   {L"DescDespLancContabil", L"Boolean"},
                   {L"RevendaIntegracaoContabil", L"Integer"},
                   {L"DepartamentoUsuario", L"Integer"},
                   {L"Politica_Atual", L"Integer"}};
  std::vector<String> proprias;
  for (PPropInfo p : GetPropList(TAplicacaoLibrary::StaticClass()))
    if (String(p->DeclaringClass->Name) == L"TAplicacaoLibrary") proprias.push_back(p->Name);
  ASSERT_EQ(proprias.size(), std::size(esperadas));
  for (size_t i = 0; i < proprias.size(); ++i) {
    EXPECT_EQ(proprias[i], esperadas[i].Nome);
    PPropInfo p = GetPropInfo(TAplicacaoLibrary::StaticClass(), esperadas[i].Nome);
    ASSERT_NE(p, nullptr) << esperadas[i].Nome;
    EXPECT_EQ(p->PropType->Name, esperadas[i].Tipo);
    EXPECT_TRUE(p->IsWritable());
  }
  EXPECT_EQ(FindClass(L"TAplicacaoLibrary"), TAplicacaoLibrary::StaticClass());
}

TEST(AplicacaoLibrary, TakesOverSameNamedPropertiesOfAnotherContext) {
  TAplicacaoLibrary origem(nullptr), destino(nullptr);
  origem.SetBancoDados(L"SQLSERVER");
  origem.SetEmpresa(5);
  origem.SetRevenda(2);
  origem.SetDescDespLancContabil(false);
  origem.SetVersaoBD(L"2022.08.03");
  origem.SetDataProcessamento(45000.25);
  origem.SetPolitica_Atual(4);
  origem.SetName(L"NaoCopiado");  // inherited: never taken over
  TScriptedDialogs dialogos;
  destino.AtualizaPropriedades(&origem);
  EXPECT_TRUE(dialogos.Messages().empty());
  EXPECT_EQ(destino.BancoDados(), L"SQLSERVER");
  EXPECT_EQ(destino.Empresa(), 5);
  EXPECT_EQ(destino.Revenda(), 2);
  EXPECT_FALSE(destino.DescDespLancContabil());
  EXPECT_EQ(destino.VersaoBD(), L"2022.08.03");
  EXPECT_EQ(destino.DataProcessamento(), 45000.25);
  EXPECT_EQ(destino.Politica_Atual(), 4);
  EXPECT_EQ(destino.Name(), L"");
}

TEST(AplicacaoLibrary, AnIncompatiblePropertyStopsTheCopyWithTheErrorDialog) {
  TOutroContexto origem(nullptr);
  TAplicacaoLibrary destino(nullptr);
  TScriptedDialogs dialogos;
  dialogos.Answer(mrCancel);  // the choice is not used
  destino.AtualizaPropriedades(&origem);
  ASSERT_EQ(dialogos.Messages().size(), 1u);
  const TMessageBoxRequest& dialogo = dialogos.Messages()[0];
  EXPECT_EQ(dialogo.DlgType, mtError);
  EXPECT_TRUE(dialogo.Buttons == TMsgDlgButtons({mbOK, mbCancel}));
  EXPECT_EQ(dialogo.Text.rfind(L"Erro ao atualizar propriedade RTTI. Usuario\r\n", 0), 0u)
      << dialogo.Text;
  // What came before it was copied, with widening and Boolean text rules...
  EXPECT_EQ(destino.BancoDados(), L"ORACLE");
  EXPECT_EQ(destino.Empresa(), 12);
  EXPECT_EQ(destino.Revenda(), 3);
  EXPECT_FALSE(destino.DescDespLancContabil());
  EXPECT_EQ(destino.DataProcessamento(), 44000.5);
  EXPECT_EQ(destino.Marca(), L"KWY");
  // ...and nothing after it.
  EXPECT_EQ(destino.Usuario(), 0);
  EXPECT_EQ(destino.Politica_Atual(), -1);
}
