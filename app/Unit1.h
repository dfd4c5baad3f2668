#pragma once
// The repair tool's main window: the database kind and location, the
// connection, the invoice filter and the repair run.
#include "vcl/controls/Forms.h"

class TAplicacaoLibrary;
class TButton;
class TComboBox;
class TDataSet;
class TDateTimePicker;
class TEdit;
class TLabel;
class TSQLConnection;
class TSQLDataSet;
class TStatusBar;
struct TCapaNota;
struct TFiltroReparo;

class TForm1 : public TForm {
  VCL_COMPONENT_CLASS(TForm1, TForm)
public:
  explicit TForm1(TComponent* AOwner);

  TLabel* Label1;
  TComboBox* cbxBD;
  TButton* btnAbriBD;
  TButton* btnGerar;
  TSQLConnection* SQLConnection;
  TLabel* Label4;
  TEdit* edtBaseDados;
  TSQLDataSet* sds1;
  TLabel* lblSituacao;
  TStatusBar* bar;
  TSQLDataSet* sds2;
  TSQLDataSet* sds3;
  TEdit* edtNota;
  TLabel* Label2;
  TLabel* Label3;
  TEdit* edtEmpresa;
  TLabel* Label5;
  TEdit* edtRevenda;
  TEdit* edtSerie;
  TLabel* Label6;
  TEdit* edtTransacao;
  TLabel* Label7;
  TDateTimePicker* dtpInicial;
  TDateTimePicker* dtpFinal;
  TLabel* Label8;
  TLabel* Label9;
  TLabel* Label10;
  TLabel* Label11;
  TLabel* lblInformacao;
  TEdit* edtContador;
  TLabel* lblContador;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void btnAbriBDClick(TObject* Sender);
  void btnGerarClick(TObject* Sender);
  void sdsPadraoBeforeOpen(TDataSet* DataSet);
  int ProximoNumeroOperacao(TSQLConnection* Conexao, int Empresa, int Revenda, const String& Tabela,
                            const String& Coluna, int Quantidade);

  bool Erro = false;                   // the current repair run failed
  bool UsuarioPadraoFirebird = false;  // log in with the standard Firebird password
  String BancoDados;                   // kind word of the last repair run
  String SenhadoBanco;                 // password of Oracle and SQL Server logins
  String sPvUsuarioOracle;
  TAplicacaoLibrary* Aplicacao = nullptr;

private:
  void CriaComponentes();
  template <class T>
  T* Cria(const wchar_t* Nome, int Esquerda, int Topo, int Largura, int Altura);
  TLabel* CriaRotulo(const wchar_t* Nome, const wchar_t* Texto, int Esquerda, int Topo);
  TEdit* CriaEdicao(const wchar_t* Nome, int Esquerda, int Topo, int Largura, int Limite,
                    bool SoNumeros);
  TSQLDataSet* CriaDataSet(const wchar_t* Nome);

  void LeArquivoConexao();
  void AjustaCaixaDaBase(const String& Base);
  void AbreConexao(int Tipo);
  void LeVersoes(int Tipo);
  TFiltroReparo LeFiltro() const;
  TCapaNota LeCapa() const;
  void ReparaCapa(const TCapaNota& Capa);
  void ExecutaComando(const String& SQL);
};

// What the data sets' before-open handler does with a data set's command
// text (and parameters) for the database kind word BancoDados: translated
// for the kind, and for SQL Server with the parameters of a text with a
// sub-select written into it as quoted literals first.
void PreparaSQLAbertura(TSQLDataSet& DataSet, const String& BancoDados);
