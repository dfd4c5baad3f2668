#include "report/RLConsts.h"

#include "vcl/rtl/WinApi.h"

const std::array<TRLLocaleStringField, 89> RLLocaleStringFields{{
#define RL_FIELD_ENTRY(Name) {L## #Name, &TRLLocaleStrings::Name},
    RL_LOCALE_STRING_FIELDS(RL_FIELD_ENTRY)
#undef RL_FIELD_ENTRY
}};

// Each record lists its texts in field order.
const std::array<TRLLocaleStrings, 6> RLBuiltInLocaleStrings{{
    {
        // English
        L"Printing in progress...", L"Saving report...", L"Preparing report...",
        L"Printer not found", L"Invalid printer path", L"Load default configuration",
        L"Printer driver error", L"Page", L"Error while preparing the report", L"Continues...",
        L"Continuation", L"End", L"File not found", L"File name",
        L"All files", L"Load report", L"Not found", L"Wait...",
        L"Finished", L"Cancel", L"Close", L"Save", L"Send",
        L"Print", L"About", L"Preview", L"of", L"Zoom",
        L"First page", L"Previous page", L"Next page", L"Last page",
        L"Entire page", L"Entire width", L"Multiple pages", L"Printer setup",
        L"Save to file", L"Send to", L"Printer", L"Name", L"Print to file",
        L"Print in background", L"Options", L"Save in background", L"Page range",
        L"Copy as image", L"from", L"to", L"All", L"Pages",
        L"Selection", L"Copies", L"Number of copies", L"OK",
        L"Split screen", L"Invalid name", L"Name already in use", L"Use filter",
        L"Web page", L"RichText Format", L"PDF Document", L"Excel spreadsheet", L"at",
        L"Form", L"Default", L"Zoom in", L"Zoom out", L"Copy",
        L"Edit", L"Find", L"Te&xt", L"&Find next",
        L"&Whole words only", L"&Match case", L"&Up", L"&Down",
        L"Direction", L"Columns", L"Setup", L"Invalid font size",
        L"Odd pages", L"Even pages", L"Odd pages only", L"Even pages only",
        L"All pages", L"The print dialog could not be shown",
        L"Separate page numbers or page intervals with \";\". i.e.: 1;3;5-12;4",
        L"Report \"%s\"", L"",
    },
    {
        // Portuguese
        L"Imprimindo o relatório...", L"Salvando o relatório...", L"Preparando o relatório...",
        L"Impressora não encontrada", L"Caminho inválido para a impressora",
        L"Carregar a configuração padrão",
        L"Erro no driver da impressora", L"Página", L"Erro ao preparar o relatório", L"Continua...",
        L"Continuação", L"Fim", L"Arquivo não encontrado", L"Nome do arquivo",
        L"Todos os arquivos", L"Abrir relatório", L"Não encontrado", L"Aguarde...",
        L"Concluído", L"Cancelar", L"Fechar", L"Salvar", L"Enviar",
        L"Imprimir", L"Sobre", L"Visualizar", L"de", L"Zoom",
        L"Primeira página", L"Página anterior", L"Próxima página", L"Última página",
        L"Página inteira", L"Largura da página", L"Várias páginas", L"Configurar impressora",
        L"Salvar em arquivo", L"Enviar para", L"Impressora", L"Nome", L"Imprimir em arquivo",
        L"Imprimir em segundo plano", L"Opções", L"Salvar em segundo plano",
        L"Intervalo de páginas",
        L"Copiar como imagem", L"de", L"até", L"Todas", L"Páginas",
        L"Seleção", L"Cópias", L"Número de cópias", L"OK",
        L"Dividir a tela", L"Nome inválido", L"Este nome já está em uso", L"Usar filtro",
        L"Página da web", L"Formato RichText", L"Documento PDF", L"Planilha do Excel", L"às",
        L"Formulário", L"Padrão", L"Ampliar", L"Reduzir", L"Copiar",
        L"Editar", L"Localizar", L"Te&xto", L"&Localizar próxima",
        L"Somente palavras &inteiras", L"&Diferenciar maiúsculas e minúsculas", L"A&cima",
        L"A&baixo",
        L"Direção", L"Colunas", L"Configurar", L"Tamanho de fonte inválido",
        L"Páginas ímpares", L"Páginas pares", L"Somente páginas ímpares",
        L"Somente páginas pares",
        L"Todas as páginas", L"Não foi possível abrir a janela de impressão",
        L"Separe os números ou os intervalos de páginas com \";\". Ex.: 1;3;5-12;4",
        L"Relatório \"%s\"", L"",
    },
    {
        // French
        L"Impression du rapport...", L"Enregistrement du rapport...", L"Préparation du rapport...",
        L"Imprimante introuvable", L"Chemin d'imprimante non valide",
        L"Charger la configuration par défaut",
        L"Erreur du pilote d'imprimante", L"Page", L"Erreur lors de la préparation du rapport",
        L"Suite...",
        L"A suivre", L"Fin", L"Fichier introuvable", L"Nom du fichier",
        L"Tous les fichiers", L"Ouvrir un rapport", L"Introuvable", L"Patientez...",
        L"Terminé", L"Annuler", L"Fermer", L"Enregistrer", L"Envoyer",
        L"Imprimer", L"À propos", L"Aperçu", L"sur", L"Zoom",
        L"Première page", L"Page précédente", L"Page suivante", L"Dernière page",
        L"Page entière", L"Pleine largeur", L"Plusieurs pages", L"Configuration de l'imprimante",
        L"Enregistrer dans un fichier", L"Envoyer à", L"Imprimante", L"Nom",
        L"Imprimer dans un fichier",
        L"Imprimer en arrière-plan", L"Options", L"Enregistrer en arrière-plan",
        L"Étendue des pages",
        L"Copier comme image", L"de", L"à", L"Toutes", L"Pages",
        L"Sélection", L"Copies", L"Nombre de copies", L"OK",
        L"Partager l'écran", L"Nom non valide", L"Ce nom est déjà utilisé", L"Utiliser le filtre",
        L"Page Web", L"Format RichText", L"Document PDF", L"Feuille de calcul Excel", L"à",
        L"Formulaire", L"Par défaut", L"Zoom avant", L"Zoom arrière", L"Copier",
        L"Modifier", L"Rechercher", L"Te&xte", L"&Suivant",
        L"Mots &entiers seulement", L"Respecter la &casse", L"Vers le &haut", L"Vers le &bas",
        L"Direction", L"Colonnes", L"Configuration", L"Taille de police non valide",
        L"Pages impaires", L"Pages paires", L"Pages impaires seulement",
        L"Pages paires seulement",
        L"Toutes les pages", L"Impossible d'afficher la boîte de dialogue d'impression",
        L"Séparez les numéros ou les intervalles de pages par \";\". Ex. : 1;3;5-12;4",
        L"Rapport \"%s\"", L"",
    },
    {
        // Spanish
        L"Impresión en marcha...", L"Guardando el informe...", L"Preparación del informe...",
        L"No se encontró la impresora", L"Ruta de impresora no válida",
        L"Cargar la configuración predeterminada",
        L"Error del controlador de la impresora", L"Página", L"Error al preparar el informe",
        L"Continúa...",
        L"Continuación", L"Fin", L"No se encontró el archivo", L"Nombre del archivo",
        L"Todos los archivos", L"Abrir informe", L"No encontrado", L"Espere...",
        L"Terminado", L"Cancelar", L"Cerrar", L"Guardar", L"Enviar",
        L"Imprimir", L"Acerca de", L"Vista previa", L"de", L"Zoom",
        L"Primera página", L"Página anterior", L"Página siguiente", L"Última página",
        L"Página completa", L"Ancho de página", L"Varias páginas", L"Configurar impresora",
        L"Guardar en archivo", L"Enviar a", L"Impresora", L"Nombre", L"Imprimir a archivo",
        L"Imprimir en segundo plano", L"Opciones", L"Guardar en segundo plano",
        L"Intervalo de páginas",
        L"Copiar como imagen", L"de", L"a", L"Todas", L"Páginas",
        L"Selección", L"Copias", L"Número de copias", L"Aceptar",
        L"Dividir la pantalla", L"Nombre no válido", L"Ese nombre ya está en uso",
        L"Usar filtro",
        L"Página web", L"Formato RichText", L"Documento PDF", L"Hoja de cálculo de Excel", L"a las",
        L"Formulario", L"Predeterminado", L"Acercar", L"Alejar", L"Copiar",
        L"Editar", L"Buscar", L"Te&xto", L"Buscar &siguiente",
        L"Solo palabras &completas", L"&Coincidir mayúsculas y minúsculas", L"Hacia a&rriba",
        L"Hacia a&bajo",
        L"Dirección", L"Columnas", L"Configurar", L"Tamaño de fuente no válido",
        L"Páginas impares", L"Páginas pares", L"Solo páginas impares", L"Solo páginas pares",
        L"Todas las páginas", L"No se pudo mostrar el cuadro de diálogo de impresión",
        L"Separe los números o los intervalos de páginas con \";\". Ej.: 1;3;5-12;4",
        L"Impresión \"%s\"", L"",
    },
    {
        // Italian
        L"Stampa in corso...", L"Salvataggio del rapporto...", L"Preparazione del rapporto...",
        L"Stampante non trovata", L"Percorso della stampante non valido",
        L"Carica la configurazione predefinita",
        L"Errore del driver della stampante", L"Pagina",
        L"Errore durante la preparazione del rapporto", L"Continua...",
        L"Continuazione", L"Fine", L"File non trovato", L"Nome del file",
        L"Tutti i file", L"Apri rapporto", L"Non trovato", L"Attendere...",
        L"Completato", L"Annulla", L"Chiudi", L"Salva", L"Invia",
        L"Stampa", L"Informazioni su", L"Anteprima", L"di", L"Zoom",
        L"Prima pagina", L"Pagina precedente", L"Pagina successiva", L"Ultima pagina",
        L"Pagina intera", L"Larghezza pagina", L"Più pagine", L"Imposta stampante",
        L"Salva su file", L"Invia a", L"Stampante", L"Nome", L"Stampa su file",
        L"Stampa in background", L"Opzioni", L"Salva in background", L"Intervallo di pagine",
        L"Copia come immagine", L"da", L"a", L"Tutte", L"Pagine",
        L"Selezione", L"Copie", L"Numero di copie", L"OK",
        L"Dividi lo schermo", L"Nome non valido", L"Nome già in uso", L"Usa filtro",
        L"Pagina web", L"Formato RichText", L"Documento PDF", L"Foglio di calcolo Excel",
        L"alle",
        L"Modulo", L"Predefinito", L"Zoom avanti", L"Zoom indietro", L"Copia",
        L"Modifica", L"Trova", L"Testo", L"Trova &successivo",
        L"Solo parole &intere", L"&Maiuscole/minuscole", L"Verso l'&alto", L"Verso il &basso",
        L"Direzione", L"Colonne", L"Imposta", L"Dimensione del carattere non valida",
        L"Pagine dispari", L"Pagine pari", L"Solo pagine dispari", L"Solo pagine pari",
        L"Tutte le pagine", L"Impossibile mostrare la finestra di stampa",
        L"Separare i numeri o gli intervalli di pagine con \";\". Es.: 1;3;5-12;4",
        L"Rapporto \"%s\"", L"",
    },
    {
        // German
        L"Das Drucken im Gange...", L"Bericht wird gespeichert...",
        L"Das Vorbereiten von Berich...",
        L"Drucker nicht gefunden", L"Ungültiger Druckerpfad", L"Standardeinstellungen laden",
        L"Fehler im Druckertreiber", L"Seite", L"Fehler beim Vorbereiten des Berichts",
        L"Wird fortgesetzt...",
        L"Fortsetzung", L"Ende", L"Datei nicht gefunden", L"Dateiname",
        L"Alle Dateien", L"Bericht öffnen", L"Nicht gefunden", L"Bitte warten...",
        L"Fertig", L"Abbrechen", L"Schließen", L"Speichern", L"Senden",
        L"Drucken", L"Info über", L"Vorschau", L"von", L"Zoom",
        L"Erste Seite", L"Vorherige Seite", L"Nächste Seite", L"Letzte Seite",
        L"Ganze Seite", L"Seitenbreite", L"Mehrere Seiten", L"Druckereinrichtung",
        L"In Datei speichern", L"Senden an", L"Drucker", L"Name", L"In Datei drucken",
        L"Im Hintergrund drucken", L"Optionen", L"Im Hintergrund speichern", L"Seitenbereich",
        L"Als Bild kopieren", L"von", L"bis", L"Alle", L"Seiten",
        L"Auswahl", L"Exemplare", L"Anzahl der Exemplare", L"OK",
        L"Bildschirm teilen", L"Ungültiger Name", L"Name bereits vergeben", L"Filter verwenden",
        L"Webseite", L"RichText-Format", L"PDF-Dokument", L"Excel-Tabelle", L"um",
        L"Formular", L"Standard", L"Vergrößern", L"Verkleinern", L"Kopieren",
        L"Bearbeiten", L"Suchen", L"Te&xt", L"&Weitersuchen",
        L"Nur ganze &Wörter", L"&Groß-/Kleinschreibung beachten", L"Nach &oben",
        L"Nach &unten",
        L"Richtung", L"Spalten", L"Einrichten", L"Ungültige Schriftgröße",
        L"Ungerade Seiten", L"Gerade Seiten", L"Nur ungerade Seiten", L"Nur gerade Seiten",
        L"Alle Seiten", L"Der Druckdialog konnte nicht angezeigt werden",
        L"Seitenzahlen oder Seitenbereiche mit \";\" trennen. Z. B.: 1;3;5-12;4",
        L"Das Drucken \"%s\"", L"",
    },
}};

TRLLocaleStrings RLCurrentLocaleStrings;

void RLSelectLocaleStrings(int PrimaryLanguageId) {
  TRLLocaleLanguage language;
  switch (PrimaryLanguageId) {
    case LANG_SPANISH: language = rllSpanish; break;
    case LANG_FRENCH: language = rllFrench; break;
    case LANG_ITALIAN: language = rllItalian; break;
    case LANG_PORTUGUESE: language = rllPortuguese; break;
    case LANG_GERMAN: language = rllGerman; break;
    default: language = rllEnglish; break;
  }
  RLCurrentLocaleStrings = RLBuiltInLocaleStrings[language];
}

void RLSelectLocaleStrings() {
  RLSelectLocaleStrings(PRIMARYLANGID(LANGIDFROMLCID(GetThreadLocale())));
}

namespace {

void RLConstsInitialize() { RLSelectLocaleStrings(); }
void RLConstsFinalize() { RLCurrentLocaleStrings = {}; }

}  // namespace

const TUnitEntry RLConstsUnit{L"RLConsts", RLConstsInitialize, RLConstsFinalize};
