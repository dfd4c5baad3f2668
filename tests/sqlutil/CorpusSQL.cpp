#include "tests/sqlutil/CorpusSQL.h"

#include "vcl/rtl/SysUtils.h"

namespace {

const wchar_t* const Vendas =
    L"select C.EMPRESA, C.REVENDA, C.NUMERO_NOTA_FISCAL, C.SERIE_NOTA_FISCAL,\n"
    L"       C.TIPO_TRANSACAO, C.CONTADOR, C.DTA_ENTRADA_SAIDA,\n"
    L"       C.NOME_CLIENTE || ' - ' || C.CIDADE || '/' || C.UF as DESCRICAO,\n"
    L"       COALESCE(C.OBSERVACAO, '') || ' ' || CAST(C.CONTADOR AS VARCHAR(10)) as CHAVE,\n"
    L"       MAX((select SUM(I.VAL_TOTAL) from FAT_MOVIMENTO_ITEM I\n"
    L"             where I.EMPRESA = C.EMPRESA and I.REVENDA = C.REVENDA\n"
    L"               and I.NUMERO_NOTA_FISCAL = C.NUMERO_NOTA_FISCAL and I.TIPO = 1)) as TOTAL_ITENS,\n"
    L"       SUM (C.VAL_TOTAL_NOTA) as TOTAL, COUNT (C.CONTADOR) as QTDE\n"
    L"  from FAT_MOVIMENTO_CAPA C\n"
    L"  left join GER_REVENDA R on R.EMPRESA = C.EMPRESA and R.REVENDA = C.REVENDA\n"
    L"  left join GER_CLIENTE L on L.CLIENTE = C.CLIENTE\n"
    L"  inner join FAT_OPERACAO O on (O.EMPRESA = C.EMPRESA and O.OPERACAO = C.FATOPERACAO)\n"
    L" where C.EMPRESA = 1 and C.REVENDA = 2 and C.STATUS = 'F'\n"
    L"   and C.DTA_ENTRADA_SAIDA between CAST('2026-01-01 00:00:00' AS TIMESTAMP)\n"
    L"                               and CAST('2026-12-31 00:00:00' AS TIMESTAMP)\n"
    L"   and SUBSTR(C.SERIE_NOTA_FISCAL, 1, 1) <> 'X' and C.DTA_CANCELAMENTO < CURRENT_DATE\n"
    L" group by C.EMPRESA, C.REVENDA, C.NUMERO_NOTA_FISCAL, C.SERIE_NOTA_FISCAL, C.TIPO_TRANSACAO,\n"
    L"          C.CONTADOR, C.DTA_ENTRADA_SAIDA, C.NOME_CLIENTE, C.CIDADE, C.UF, C.OBSERVACAO";

const wchar_t* const Estoque =
    L"select I.EMPRESA, I.ITEM_ESTOQUE, I.DES_ITEM_ESTOQUE, I.PRECO_PUBLICO_ATUAL,\n"
    L"       I.PRECO_GARANTIA, I.PRECO_ALTERNATIVO, I.PRECO_A_VISTA, G.DES_GRUPO,\n"
    L"       I.COD_FABRICANTE || '-' || I.ITEM_ESTOQUE_PUB as CODIGO,\n"
    L"       (select MAX(E.DTA_ULTIMA_ENTRADA) from PEC_ESTOQUE E where E.ITEM_ESTOQUE = I.ITEM_ESTOQUE) as ULTIMA\n"
    L"  from PEC_ITEM_ESTOQUE I\n"
    L"  left outer join PEC_GRUPO G on G.EMPRESA = I.EMPRESA and G.GRUPO = I.GRUPO\n"
    L"  left outer join PEC_FABRICANTE F on F.FABRICANTE = I.COD_FABRICANTE\n"
    L" where I.EMPRESA = 1 and I.PRECO_PUBLICO_ATUAL > 0 and I.PRECO_A_VISTA <= I.PRECO_PUBLICO_ATUAL\n"
    L"   and I.SITUACAO in ('A', 'P') and UPPER(I.DES_ITEM_ESTOQUE) like '%FILTRO%'\n"
    L" order by G.DES_GRUPO, I.DES_ITEM_ESTOQUE";

const wchar_t* const Financeiro =
    L"SELECT T.EMPRESA, T.REVENDA, T.TITULO, T.DUPLICATA, T.TIPO, T.CLIENTE,\n"
    L"       CL.NOME || ' (' || CL.CPF_CNPJ || ')' AS CLIENTE_DOC,\n"
    L"       SUM((SELECT SUM(P.VAL_PAGO) FROM FIN_PAGAMENTO P WHERE P.EMPRESA = T.EMPRESA\n"
    L"            AND P.TITULO = T.TITULO AND P.ESTORNADO = 'N')) AS PAGO,\n"
    L"       AVG((SELECT MAX(J.TAXA) FROM FIN_JUROS J WHERE J.EMPRESA = T.EMPRESA AND J.TIPO = T.TIPO)) AS TAXA,\n"
    L"       MIN (T.DTA_VENCIMENTO) AS VENCE, CAST(T.VAL_TITULO AS NUMBER(15,2)) AS VALOR\n"
    L"  FROM FIN_TITULO T\n"
    L"  LEFT JOIN GER_CLIENTE CL ON CL.CLIENTE = T.CLIENTE\n"
    L"  LEFT JOIN FIN_PORTADOR PO ON PO.EMPRESA = T.EMPRESA AND PO.PORTADOR = T.PORTADOR\n"
    L"  LEFT JOIN FIN_CARTEIRA CA ON CA.CARTEIRA = PO.CARTEIRA\n"
    L" WHERE T.EMPRESA = 1 AND T.DTA_EMISSAO >= CAST('2026-06-01' AS DATE)\n"
    L"   AND T.SITUACAO <> 'C'\n"
    L" GROUP BY T.EMPRESA, T.REVENDA, T.TITULO, T.DUPLICATA, T.TIPO, T.CLIENTE, CL.NOME, CL.CPF_CNPJ,\n"
    L"          T.VAL_TITULO";

const wchar_t* const Versao = L"select max(VERSAO) from GER_VERSAO_BANCO";

// A wide select list (the kind a report opens), to weigh the per-piece work.
String ListaLarga() {
  String s = L"select ";
  for (int i = 1; i <= 120; ++i)
    s += L"X.COLUNA_" + IntToStr(i) + (i % 10 == 0 ? L" || X.SUFIXO_" + IntToStr(i) : String()) + L", ";
  return s + L"X.FIM from TABELA_LARGA X left join OUTRA Y on Y.ID = X.ID where X.EMPRESA = 1";
}

}  // namespace

const std::vector<String>& CorpusSQL() {
  static const std::vector<String> corpus{Vendas, Estoque, Financeiro, Versao, ListaLarga(),
                                          String(Vendas) + L" union all " + Financeiro};
  return corpus;
}
