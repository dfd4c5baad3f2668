#pragma once
// TAplicacaoLibrary: the business system's working data (company, dealer,
// database kind and versions, user and accounting data) in one component,
// handed whole to the general-services library. Its property names and
// types are the contract by which another module's context takes its
// values over (AtualizaPropriedades), so all 17 are in the property table.
#include "vcl/classes/Component.h"
#include "vcl/classes/TypInfo.h"
#include "vcl/rtl/UnitStartup.h"

class TAplicacaoLibrary : public TComponent {
  VCL_COMPONENT_CLASS(TAplicacaoLibrary, TComponent)
  VCL_PUBLISHED(TAplicacaoLibrary)
public:
  explicit TAplicacaoLibrary(TComponent* AOwner);

  const String& BancoDados() const { return sLcBanco; }
  void SetBancoDados(const String& V) { sLcBanco = V; }
  TDateTime DataToleranciaPre() const { return dLcDataToleranciaPre; }
  void SetDataToleranciaPre(TDateTime V) { dLcDataToleranciaPre = V; }
  TDateTime DataToleranciaLem() const { return dLcDataToleranciaLem; }
  void SetDataToleranciaLem(TDateTime V) { dLcDataToleranciaLem = V; }
  const String& DirArquivos() const { return sLcDirArquivos; }
  void SetDirArquivos(const String& V) { sLcDirArquivos = V; }
  int32_t Revenda() const { return iLcRevenda; }
  void SetRevenda(int32_t V) { iLcRevenda = V; }
  int32_t Empresa() const { return iLcEmpresa; }
  void SetEmpresa(int32_t V) { iLcEmpresa = V; }
  const String& Marca() const { return sLcMarca; }
  void SetMarca(const String& V) { sLcMarca = V; }
  int32_t Usuario() const { return iLcUsuario; }
  void SetUsuario(int32_t V) { iLcUsuario = V; }
  int32_t VersaoSQLServer() const { return iLcVersaoSQLServer; }
  void SetVersaoSQLServer(int32_t V) { iLcVersaoSQLServer = V; }
  TDateTime DataProcessamento() const { return dLcDataProcessamento; }
  void SetDataProcessamento(TDateTime V) { dLcDataProcessamento = V; }
  int32_t QtdHorasDifServidor() const { return iLcQtdHorasDifServidor; }
  void SetQtdHorasDifServidor(int32_t V) { iLcQtdHorasDifServidor = V; }
  const String& LoginUsuario() const { return sLcLoginUsuario; }
  void SetLoginUsuario(const String& V) { sLcLoginUsuario = V; }
  const String& VersaoBD() const { return sLcVersaoBD; }
  void SetVersaoBD(const String& V) { sLcVersaoBD = V; }
  bool DescDespLancContabil() const { return bLcDescDespLancContabil; }
  void SetDescDespLancContabil(bool V) { bLcDescDespLancContabil = V; }
  int32_t RevendaIntegracaoContabil() const { return iLcRevendaIntegracaoContabil; }
  void SetRevendaIntegracaoContabil(int32_t V) { iLcRevendaIntegracaoContabil = V; }
  int32_t DepartamentoUsuario() const { return iLcDepartamentoUsuario; }
  void SetDepartamentoUsuario(int32_t V) { iLcDepartamentoUsuario = V; }
  int32_t Politica_Atual() const { return iLcPolitica_Atual; }
  void SetPolitica_Atual(int32_t V) { iLcPolitica_Atual = V; }

  // Copies into this context every property that pAplicacao has under the
  // same name. A value that cannot be copied stops the copying with an
  // error dialog naming the property; what was copied before it stays.
  void AtualizaPropriedades(TComponent* pAplicacao);

private:
  String sLcBanco;
  TDateTime dLcDataToleranciaPre;
  TDateTime dLcDataToleranciaLem;
  String sLcDirArquivos;
  int32_t iLcRevenda = 0;
  int32_t iLcEmpresa = 0;
  String sLcMarca;
  int32_t iLcUsuario = 0;
  int32_t iLcVersaoSQLServer = 0;
  TDateTime dLcDataProcessamento;
  int32_t iLcQtdHorasDifServidor = 0;
  String sLcLoginUsuario;
  String sLcVersaoBD;
  bool bLcDescDespLancContabil = true;
  int32_t iLcRevendaIntegracaoContabil = -1;
  int32_t iLcDepartamentoUsuario = -1;
  int32_t iLcPolitica_Atual = -1;
};

// Unit start-up: registers the class, so it can be found by its name.
extern const TUnitEntry UAplicacaoLibraryUnit;
