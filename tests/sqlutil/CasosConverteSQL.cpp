#include "tests/sqlutil/CasosConverteSQL.h"

namespace {

const wchar_t* const Fragmento = L"a fragment of a statement";
const wchar_t* const NaoESQL = L"its text is not SQL either";

const TCasoConversao EspacoAgregacao[] = {
    {L"one blank", L"SELECT SUM (X) FROM T", L"SELECT SUM(X) FROM T"},
    {L"two blanks stay", L"SELECT SUM  (X) FROM T", L"SELECT SUM  (X) FROM T"},
    {L"after comma, every name, any case",
     L"SELECT A,count (B), min (C) ,MAX (D), Avg (E) FROM T",
     L"SELECT A,COUNT(B), MIN(C) ,MAX(D), AVG(E) FROM T"},
    {L"inside a longer word", L"SELECT ASUM (X) FROM T", L"SELECT ASUM (X) FROM T"},
};

const TCasoConversao CondicoesOn[] = {
    {L"two joins", L"A LEFT JOIN B ON A.X = B.X LEFT JOIN C ON C.Y = A.Y WHERE A.Z = 1",
     L"A LEFT JOIN B ON (A.X = B.X) LEFT JOIN C ON (C.Y = A.Y) WHERE A.Z = 1", Fragmento},
    {L"already in parentheses, and last without keywords",
     L"A JOIN B ON (A.X = B.X) LEFT JOIN C ON C.Y = A.Y",
     L"A JOIN B ON (A.X = B.X) LEFT JOIN C ON C.Y = A.Y", Fragmento},
    {L"a comma cuts", L"A LEFT JOIN B ON COALESCE(A.X, 0) = B.X WHERE A.Z = 1",
     L"A LEFT JOIN B ON (COALESCE(A.X) , 0) = B.X WHERE A.Z = 1", Fragmento},
    {L"a keyword inside a name cuts", L"A LEFT JOIN B ON A.X = B.LEFTOVER WHERE A.Z = 1",
     L"A LEFT JOIN B ON (A.X = B.) LEFTOVER WHERE A.Z = 1", Fragmento},
    {L"lower case, inner join and blanks kept inside",
     L"select * from a inner join b on a.x  =  b.x inner join c on c.y = a.y",
     L"select * from a inner join b on (a.x  =  b.x) inner join c on c.y = a.y"},
    {L"a keyword without a blank after it is no join", L"SELECT A FROM T JOIN U ON U.X = T.X WHERE\nT.Y = 1",
     L"SELECT A FROM T JOIN U ON U.X = T.X WHERE T.Y = 1"},
    {L"but it cuts when a join follows",
     L"SELECT A FROM T JOIN U ON U.X = T.X LEFT\nJOIN V ON V.Y = T.Y WHERE T.Z = 1",
     L"SELECT A FROM T JOIN U ON (U.X = T.X) LEFT JOIN V ON (V.Y = T.Y) WHERE T.Z = 1"},
};

const TCasoConversao Concatenacao[] = {
    {L"two columns", L"SELECT A.X || B.Y FROM T",
     L"SELECT cast(A.X as varchar(1000))+cast(B.Y as varchar(1000))FROM T"},
    {L"three columns", L"SELECT A.X || B.Y || C.Z FROM T",
     L"SELECT cast(A.X as varchar(1000))+cast(B.Y as varchar(1000))+cast(C.Z as varchar(1000))"
     L"FROM T"},
    {L"quoted literal last, wrapped whole", L"SELECT A.X || 'ab cd' FROM T",
     L"SELECT cast(A.X as varchar(1000))+cast('ab cd' as varchar(1000))FROM T"},
    {L"quoted literal between, kept", L"SELECT A.X || ' - ' || B.Y FROM T",
     L"SELECT cast(A.X as varchar(1000))+' - '+cast(B.Y as varchar(1000))FROM T"},
    {L"result name and list go on", L"SELECT A.X || B.Y AS N, C FROM T",
     L"SELECT cast(A.X as varchar(1000))+cast(B.Y as varchar(1000))AS N, C FROM T"},
    {L"closing parenthesis ends the last operand", L"SELECT UPPER(A.X || B.Y) FROM T",
     L"SELECT UPPER(cast(A.X as varchar(1000))+cast(B.Y as varchar(1000))) FROM T"},
    {L"closing parenthesis at the very end ends the last operand", L"SELECT UPPER(A.X || B.Y)",
     L"SELECT UPPER(cast(A.X as varchar(1000))+cast(B.Y as varchar(1000)))"},
    {L"cast operand kept", L"SELECT A.X || CAST(B.Y AS VARCHAR(5)), C FROM T",
     L"SELECT cast(A.X as varchar(1000))+CAST(B.Y AS VARCHAR(5)), C FROM T"},
    {L"parenthesised operand last", L"SELECT A.X || (B.Y) FROM T",
     L"SELECT cast(A.X as varchar(1000))+cast ((B.Y) as varchar(1000)) FROM T"},
    {L"coalesce first is kept whole", L"SELECT COALESCE(A.X, '') || B.Y FROM T",
     L"SELECT COALESCE(A.X, '')+cast(B.Y as varchar(1000))FROM T"},
    {L"coalesce last is wrapped", L"SELECT A.X || COALESCE(B.Y, '') FROM T",
     L"SELECT cast(A.X as varchar(1000))+cast (COALESCE(B.Y, '') as varchar(1000)) FROM T"},
    {L"expression after || is wrapped", L"SELECT A.X || B.Y + 1 || C.Z FROM T",
     L"SELECT cast(A.X as varchar(1000))+ cast(B.Y  as varchar(1000)) + cast(1 as "
     L"varchar(1000))+cast(C.Z as varchar(1000))FROM T"},
    {L"without ||, unchanged", L"SELECT A.X, 'a | b' FROM T", L"SELECT A.X, 'a | b' FROM T"},
    {L"three bars", L"SELECT A FROM T WHERE B = 'x'|||C",
     L"SELECT A FROM T WHERE B = cast('x' as varchar(1000))+cast(|C as varchar(1000))", NaoESQL},
    {L"a run of blanks between pieces", L"SELECT A || B   C || D FROM T",
     L"SELECT cast(A as varchar(1000))+ cast(B  as varchar(1000))   cast(C as varchar(1000))+cast(D as "
     L"varchar(1000))FROM T", NaoESQL},
    {L"blanks before COALESCE", L"SELECT A ||  B  COALESCE(C, '') X || D FROM T",
     L"SELECT cast(A as varchar(1000))+ cast(B  as varchar(1000)) COALESCE(C, '')cast(X as "
     L"varchar(1000))+cast(D as varchar(1000))FROM T", NaoESQL},
};

// Where cutting at blanks would open a cast in one argument of a call and
// close it in another, or cut a quoted text, each operand is cast whole.
const TCasoConversao OperandosInteiros[] = {
    {L"calls with blanks in their arguments",
     L"SELECT SUBSTR(P.CODIGO, 1, 3) || '.' || SUBSTR(P.CODIGO, 4, 2) COD FROM PEC_ITEM P",
     L"SELECT cast(SUBSTRING(P.CODIGO, 1, 3) as varchar(1000))+cast('.' as varchar(1000))+cast(SUBSTRING(P.CODIGO, "
     L"4, 2) as varchar(1000)) COD FROM PEC_ITEM P"},
    {L"quoted texts with blanks and parentheses",
     L"SELECT C.NOME || ' (' || C.CIDADE || ')' NOME FROM GER_CLIENTE C",
     L"SELECT cast(C.NOME as varchar(1000))+cast(' (' as varchar(1000))+cast(C.CIDADE as varchar(1000))+cast(')' as "
     L"varchar(1000)) NOME FROM GER_CLIENTE C"},
    {L"a call first, the alias keeps its blank", L"SELECT TRIM(C.NOME) || ', ' || C.UF X FROM GER_CLIENTE C",
     L"SELECT cast(TRIM(C.NOME) as varchar(1000))+cast(', ' as varchar(1000))+cast(C.UF as varchar(1000)) X FROM "
     L"GER_CLIENTE C"},
    {L"doubled quotes", L"SELECT C.NOME || ' it''s (' || C.UF FROM T",
     L"SELECT cast(C.NOME as varchar(1000))+cast(' it''s (' as varchar(1000))+cast(C.UF as varchar(1000)) FROM T"},
    {L"nested calls, a COALESCE with a parenthesis quoted",
     L"SELECT UPPER(TRIM(C.NOME)) || COALESCE(C.UF, ' (') UF FROM T",
     L"SELECT cast(UPPER(TRIM(C.NOME)) as varchar(1000))+cast(COALESCE(C.UF, ' (') as varchar(1000)) UF FROM T"},
    {L"a parenthesised expression", L"SELECT (C.A + 1) || C.B FROM T",
     L"SELECT cast((C.A + 1) as varchar(1000))+cast(C.B as varchar(1000)) FROM T"},
    {L"inside a call, a cast kept", L"SELECT UPPER(C.A || TRIM(C.B) || CAST(C.N AS VARCHAR(5))) FROM T",
     L"SELECT UPPER(cast(C.A as varchar(1000))+cast(TRIM(C.B) as varchar(1000))+CAST(C.N AS VARCHAR(5))) FROM T"},
    {L"a column before a comma", L"SELECT C.A || C.B, C.C FROM T",
     L"SELECT cast(C.A as varchar(1000))+cast(C.B as varchar(1000)), C.C FROM T"},
    {L"a CASE through its END", L"SELECT C.A || CASE WHEN C.B = 1 THEN 'S' ELSE 'N' END || C.C FROM T",
     L"SELECT cast(C.A as varchar(1000))+cast(CASE WHEN C.B = 1 THEN 'S' ELSE 'N' END as varchar(1000))+cast(C.C as "
     L"varchar(1000)) FROM T"},
    {L"a call with blanks before its parenthesis", L"SELECT C.A || SUBSTR (C.B, 1, 2) || ' (' FROM T",
     L"SELECT cast(C.A as varchar(1000))+cast(SUBSTRING (C.B, 1, 2) as varchar(1000))+cast(' (' as varchar(1000)) "
     L"FROM T"},
};

const TCasoConversao Nomes[] = {
    {L"types", L"SELECT CAST(A AS DATE ), CAST(B AS DATE), CAST(C AS NUMBER(10,2)) FROM T",
     L"SELECT CAST(A AS DATETIME ), CAST(B AS DATETIME), CAST(C AS NUMERIC(10,2)) FROM T"},
    {L"number before blank and parenthesis", L"SELECT CAST(A AS NUMBER ), CAST(B AS NUMBER) FROM T",
     L"SELECT CAST(A AS NUMERIC ), CAST(B AS NUMERIC) FROM T"},
    {L"current date anywhere", L"SELECT X FROM T WHERE D<CURRENT_DATE",
     L"SELECT X FROM T WHERE D<CURRENT_TIMESTAMP"},
    {L"substr after a blank", L"SELECT SUBSTR(A,1,2), SUBSTR (B,1,2) FROM T",
     L"SELECT SUBSTRING( A,1,2), SUBSTRING  (B,1,2) FROM T"},
    {L"substr after a parenthesis keeps it", L"SELECT (SUBSTR(A,1,2)) FROM T",
     L"SELECT (SUBSTRING(A,1,2)) FROM T"},
    {L"a name right inside another is replaced in turn, after it",
     L"SELECT SUBSTR(SUBSTR(A,1,2),1,1), CAST(B AS DATE) FROM T WHERE current_date > CAST(C AS NUMBER)",
     L"SELECT SUBSTRING( SUBSTR(A,1,2),1,1), CAST(B AS DATETIME) FROM T WHERE CURRENT_TIMESTAMP > CAST(C AS "
     L"NUMERIC)"},
    {L"substr after bars and after a plus", L"SELECT A FROM T WHERE B = C||SUBSTR (D,1,2)||+SUBSTR(E,1,2)",
     L"SELECT A FROM T WHERE B = cast(C as varchar(1000))+cast(SUBSTRING (D,1,2) as varchar(1000))+cast(+SUBSTRING(E,"
     L"1,2) as varchar(1000))"},
    {L"a line feed becomes a blank", L"SELECT X\nFROM T\nWHERE Y = 1", L"SELECT X FROM T WHERE Y = 1"},
    {L"trimmed", L"  SELECT X FROM T \n", L"SELECT X FROM T"},
    {L"a line break's carriage return is trimmed too", L"SELECT X FROM T\r\n\t", L"SELECT X FROM T"},
};

}  // namespace

const std::span<const TCasoConversao> CasosEspacoAgregacao(EspacoAgregacao), CasosCondicoesOn(CondicoesOn),
    CasosConcatenacao(Concatenacao), CasosOperandosInteiros(OperandosInteiros), CasosNomes(Nomes);
