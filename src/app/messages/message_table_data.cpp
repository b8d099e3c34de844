// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the user sees, one message per line, in the column order
// Spanish, Portuguese, French, German, English, Italian, Catalan.
// Leading and trailing blanks matter: callers join these texts with numbers and names.

#include "app/messages/message_table.h"

namespace {

// clang-format off
constexpr MessageGroup kGroups[] = {
    {1, 120}, {2, 120}, {3, 120}, {4, 120}, {5, 120}, {6, 120}, {7, 120}, {8, 120}, {9, 120},
    {10, 150}, {11, 100}, {12, 100}, {13, 100}, {14, 200}, {15, 200}, {16, 220}, {17, 120},
    {18, 100}, {19, 100}, {20, 100}, {21, 100}, {22, 200}, {24, 100}, {26, 100}, {27, 100},
    {28, 100}, {30, 100}, {31, 100}, {32, 100}, {33, 100}, {34, 100}, {35, 100}, {36, 100},
    {37, 100}, {38, 100}, {39, 100}, {40, 100}, {41, 100}, {42, 100}, {44, 100}, {45, 100},
    {46, 100}, {47, 100}, {48, 100}, {49, 100}, {50, 100}, {51, 100}, {52, 100}, {54, 100},
    {57, 100}, {58, 100}, {59, 100}, {60, 100}, {61, 100}, {62, 100}, {63, 100}, {64, 100},
    {65, 100}, {66, 100}, {67, 100}, {68, 100}, {69, 100}, {70, 100}, {71, 100}, {72, 100},
    {73, 200}, {74, 100}, {75, 100}, {76, 120}, {77, 100}, {78, 100}, {79, 100}, {80, 100},
    {81, 100}, {82, 200}, {84, 100}, {86, 200}, {87, 200}, {90, 100},
};

constexpr MessageText kTexts[] = {
{1, 1, {u"Barra de título horizontal", u"Barra de título horizontal", u"Barre de titre horizontale", u"Horizontale Titelleiste", u"Horizontal title bar", u"Barra del titolo orizzontale", u"Barra de títol horitzontal"}},
{1, 2, {u"Barra de título vertical", u"Barra de título vertical", u"Barre de titre verticale", u"Vertikale Titelleiste", u"Vertical title bar", u"Barra del titolo verticale", u"Barra de títol vertical"}},
{1, 3, {u"Líneas horizontales con áreas de celda", u"Linhas horizontais com áreas de célula", u"Lignes horizontales avec zones de cellule", u"Horizontale Linien mit Zellflächen", u"Horizontal lines with cell areas", u"Linee orizzontali con aree di cella", u"Línies horitzontals amb àrees de cel·la"}},
{1, 4, {u"Líneas verticales con áreas de celda", u"Linhas verticais com áreas de célula", u"Lignes verticales avec zones de cellule", u"Vertikale Linien mit Zellflächen", u"Vertical lines with cell areas", u"Linee verticali con aree di cella", u"Línies verticals amb àrees de cel·la"}},

{2, 1, {u"Barra de título", u"Barra de título", u"Barre de titre", u"Titelleiste", u"Title bar", u"Barra del titolo", u"Barra de títol"}},
{2, 2, {u"Horizontal", u"Horizontal", u"Horizontale", u"Horizontal", u"Horizontal", u"Orizzontale", u"Horitzontal"}},
{2, 3, {u"Color de línea", u"Cor da linha", u"Couleur de ligne", u"Linienfarbe", u"Line color", u"Colore della linea", u"Color de línia"}},
{2, 4, {u"Color de fondo", u"Cor de fundo", u"Couleur de fond", u"Hintergrundfarbe", u"Background color", u"Colore di sfondo", u"Color de fons"}},
{2, 5, {u"Vertical", u"Vertical", u"Verticale", u"Vertikal", u"Vertical", u"Verticale", u"Vertical"}},
{2, 6, {u"Salir", u"Sair", u"Quitter", u"Beenden", u"Exit", u"Esci", u"Sortir"}},

{3, 1, {u"Acceda con su contraseña ...", u"Acesse com sua senha ...", u"Accédez avec votre mot de passe ...", u"Zugang mit Ihrem Passwort ...", u"Access with your password ...", u"Accedi con la tua password ...", u"Accediu amb la vostra contrasenya ..."}},
{3, 2, {u"Nuevo", u"Novo", u"Nouveau", u"Neu", u"New", u"Nuovo", u"Nou"}},
{3, 3, {u"Copiar", u"Copiar", u"Copier", u"Kopieren", u"Copy", u"Copia", u"Copiar"}},
{3, 4, {u"Pegar", u"Colar", u"Coller", u"Einfügen", u"Paste", u"Incolla", u"Enganxar"}},
{3, 5, {u"Aceptar", u"Aceitar", u"Accepter", u"Annehmen", u"Accept", u"Accetta", u"Acceptar"}},
{3, 6, {u"Salir", u"Sair", u"Quitter", u"Beenden", u"Exit", u"Esci", u"Sortir"}},

{4, 1, {u"Contraseña", u"Senha", u"Mot de passe", u"Passwort", u"Password", u"Password", u"Contrasenya"}},

{5, 1, {u"Explorador de archivos para iconos", u"Navegador de arquivos para ícones", u"Explorateur de fichiers pour icônes", u"Dateiauswahl für Symbole", u"File browser for icons", u"Esplora file per icone", u"Explorador de fitxers per a icones"}},

{6, 1, {u"División de su columna de", u"Divisão da sua coluna de", u"Division de votre colonne de", u"Division Ihrer Spalte von", u"Division of your column from", u"Divisione della tua colonna da", u"Divisió de la vostra columna de"}},
{6, 2, {u"a", u"a", u"à", u"bis", u"to", u"a", u"a"}},
{6, 3, {u"División de su fila de", u"Divisão da sua linha de", u"Division de sa ligne de", u"Division seiner Zeile von", u"Division of its row of", u"Divisione della sua riga di", u"Divisió de la seva fila de"}},
{6, 4, {u"entre", u"por", u"par", u"durch", u"between", u"diviso per", u"entre"}},

{7, 1, {u"Multiplicación de su columna de", u"Multiplicação da sua coluna de", u"Multiplication de votre colonne de", u"Multiplikation Ihrer Spalte von", u"Multiplication of your column from", u"Moltiplicazione della tua colonna da", u"Multiplicació de la vostra columna de"}},
{7, 2, {u"a", u"a", u"à", u"bis", u"to", u"a", u"a"}},
{7, 3, {u"Multiplicación de su fila de", u"Multiplicação da sua linha de", u"Multiplication de sa ligne de", u"Multiplikation seiner Zeile von", u"Multiplication of its row of", u"Moltiplicazione della sua riga di", u"Multiplicació de la seva fila de"}},
{7, 4, {u"por", u"por", u"par", u"mal", u"with", u"per", u"per"}},

{8, 1, {u"Explorador de archivos para imagen o foto", u"Navegador de arquivos para imagem ou foto", u"Explorateur de fichiers pour image ou photo", u"Dateiauswahl für Bild oder Foto", u"File browser for image or photo", u"Esplora file per immagine o foto", u"Explorador de fitxers per a imatge o foto"}},

{9, 1, {u"Exportado a JPEG recortado", u"Exportado para JPEG recortado", u"Exporté en JPEG découpé", u"Als zugeschnittenes JPEG exportiert", u"Exported to JPEG cut", u"Esportato in JPEG ritagliato", u"Exportat a JPEG retallat"}},

{10, 1, {u"Error al inicializar GDI+ ... (El programa necesita XP o superior ...)", u"Erro ao inicializar o GDI+ ... (O programa precisa do XP ou superior ...)", u"Erreur d'initialisation de GDI+ ... (Le programme nécessite XP ou supérieur ...)", u"Fehler beim Initialisieren von GDI+ ... (Das Programm benötigt XP oder höher ...)", u"Error initializing GDI+ ... (The program needs XP or higher ...)", u"Errore di inizializzazione di GDI+ ... (Il programma richiede XP o superiore ...)", u"Error en inicialitzar GDI+ ... (El programa necessita XP o superior ...)"}},

{11, 1, {u"Explorador de archivos para JPEG", u"Navegador de arquivos para JPEG", u"Explorateur de fichiers pour JPEG", u"Dateiauswahl für JPEG", u"File browser for JPEG", u"Esplora file per JPEG", u"Explorador de fitxers per a JPEG"}},

{12, 1, {u"Número total de decimales", u"Número total de casas decimais", u"Nombre total de décimales", u"Gesamtzahl der Dezimalstellen", u"Total number of decimal places", u"Numero totale di cifre decimali", u"Nombre total de decimals"}},
{12, 2, {u"decimales", u"decimais", u"décimales", u"Dezimalstellen", u"decimals", u"decimali", u"decimals"}},

{13, 1, {u"Hangeul", u"Hangeul", u"Hangeul", u"Hangeul", u"Hangeul", u"Hangeul", u"Hangeul"}},
{13, 2, {u"Chino", u"Chinês", u"Chinois", u"Chinesisch", u"Chinese", u"Cinese", u"Xinès"}},
{13, 3, {u"Griego", u"Grego", u"Grec", u"Griechisch", u"Greek", u"Greco", u"Grec"}},
{13, 4, {u"Turco", u"Turco", u"Turc", u"Türkisch", u"Turkish", u"Turco", u"Turc"}},
{13, 5, {u"Hebreo", u"Hebraico", u"Hébreu", u"Hebräisch", u"Hebrew", u"Ebraico", u"Hebreu"}},
{13, 6, {u"Árabe", u"Árabe", u"Arabe", u"Arabisch", u"Arab", u"Arabo", u"Àrab"}},
{13, 7, {u"Báltico", u"Báltico", u"Balte", u"Baltisch", u"Baltic", u"Baltico", u"Bàltic"}},
{13, 8, {u"Ruso", u"Russo", u"Russe", u"Russisch", u"Russian", u"Russo", u"Rus"}},
{13, 9, {u"Tailandés", u"Tailandês", u"Thaï", u"Thailändisch", u"Thai", u"Thailandese", u"Tailandès"}},
{13, 10, {u"Europa del Este", u"Europa Oriental", u"Europe de l'Est", u"Osteuropa", u"Eastern Europe", u"Europa orientale", u"Europa de l'Est"}},
{13, 11, {u"Juego de caracteres", u"Conjunto de caracteres", u"Jeu de caractères", u"Zeichensatz", u"Character set", u"Set di caratteri", u"Joc de caràcters"}},

{14, 1, {u"Porcentaje de su", u"Porcentagem da sua", u"Pourcentage de votre", u"Prozentsatz Ihrer", u"Percentage of your", u"Percentuale della tua", u"Percentatge de la vostra"}},
{14, 2, {u"% columna de", u"% coluna de", u"% colonne de", u"% Spalte von", u"% column of", u"% colonna di", u"% columna de"}},
{14, 3, {u"Porcentaje de su fila de", u"Porcentagem da sua linha de", u"Pourcentage de votre ligne de", u"Prozentsatz Ihrer Zeile von", u"Percentage of your row of", u"Percentuale della tua riga di", u"Percentatge de la vostra fila de"}},
{14, 4, {u"% de", u"% de", u"% de", u"% von", u"% of", u"% di", u"% de"}},

{15, 1, {u"Restar de su columna de", u"Subtrair da sua coluna de", u"Soustraire de votre colonne de", u"Subtrahieren in Ihrer Spalte von", u"Subtract from your column from", u"Sottrai dalla tua colonna da", u"Restar de la vostra columna de"}},
{15, 2, {u"a", u"a", u"à", u"bis", u"to", u"a", u"a"}},
{15, 3, {u"Restar de su fila de", u"Subtrair da sua linha de", u"Soustraire de votre ligne de", u"Subtrahieren in Ihrer Zeile von", u"Subtract from your row of", u"Sottrai dalla tua riga di", u"Restar de la vostra fila de"}},
{15, 4, {u"menos", u"menos", u"moins", u"minus", u"with", u"meno", u"menys"}},

{16, 1, {u"Suma de su columna de ", u"Soma da sua coluna de ", u"Somme de votre colonne de ", u"Summe Ihrer Spalte von ", u"Sum of your column from ", u"Somma della tua colonna da ", u"Suma de la vostra columna de "}},
{16, 2, {u" a ", u" a ", u" à ", u" bis ", u" to ", u" a ", u" a "}},
{16, 3, {u"Suma de su fila de ", u"Soma da sua linha de ", u"Somme de votre ligne de ", u"Summe Ihrer Zeile von ", u"Sum of your row from ", u"Somma della tua riga da ", u"Suma de la vostra fila de "}},

{17, 1, {u"Quadrivel", u"Quadrivel", u"Quadrivel", u"Quadrivel", u"Quadrivel", u"Quadrivel", u"Quadrivel"}},

{18, 1, {u"Configurador de copia", u"Configurador de cópia", u"Configurateur de copie", u"Kopierkonfigurator", u"Copy configurator", u"Configuratore di copia", u"Configurador de còpia"}},
{18, 2, {u"Seleccionar todos los campos", u"Selecionar todos os campos", u"Sélectionner tous les champs", u"Alle Felder auswählen", u"Select all fields", u"Seleziona tutti i campi", u"Seleccionar tots els camps"}},
{18, 3, {u"Texto", u"Texto", u"Texte", u"Text", u"Text", u"Testo", u"Text"}},
{18, 4, {u"Imagen", u"Imagem", u"Image", u"Bild", u"Image", u"Immagine", u"Imatge"}},
{18, 5, {u"Alineación", u"Alinhamento", u"Alignement", u"Ausrichtung", u"Alignment", u"Allineamento", u"Alineació"}},
{18, 6, {u"Se permite formato numérico", u"Formato numérico permitido", u"Format numérique autorisé", u"Zahlenformat erlaubt", u"Numeric format is allowed", u"Formato numerico consentito", u"Es permet el format numèric"}},
{18, 7, {u"Tipo de formato numérico", u"Tipo de formato numérico", u"Type de format numérique", u"Art des Zahlenformats", u"Number format type", u"Tipo di formato numerico", u"Tipus de format numèric"}},
{18, 8, {u"Deseleccionar todos los campos", u"Desmarcar todos os campos", u"Désélectionner tous les champs", u"Alle Felder abwählen", u"Deselect all fields", u"Deseleziona tutti i campi", u"Desseleccionar tots els camps"}},
{18, 9, {u"Sumatorios", u"Somatórios", u"Sommes", u"Summen", u"Summation", u"Sommatorie", u"Sumatoris"}},
{18, 10, {u"Resta", u"Subtração", u"Soustraction", u"Subtraktion", u"Subtraction", u"Sottrazione", u"Resta"}},
{18, 11, {u"Porcentajes", u"Porcentagens", u"Pourcentages", u"Prozentsätze", u"Percentages", u"Percentuali", u"Percentatges"}},
{18, 12, {u"Icono", u"Ícone", u"Icône", u"Symbol", u"Icon", u"Icona", u"Icona"}},
{18, 13, {u"Multiplicación", u"Multiplicação", u"Multiplication", u"Multiplikation", u"Multiplication", u"Moltiplicazione", u"Multiplicació"}},
{18, 14, {u"División", u"Divisão", u"Division", u"Division", u"Division", u"Divisione", u"Divisió"}},

{19, 1, {u"Formato decimal inglés", u"Formato decimal inglês", u"Format décimal anglais", u"Englisches Dezimalformat", u"English decimal format", u"Formato decimale inglese", u"Format decimal anglès"}},
{19, 2, {u"Formato entero inglés", u"Formato inteiro inglês", u"Format entier anglais", u"Englisches Ganzzahlformat", u"English integer format", u"Formato intero inglese", u"Format enter anglès"}},
{19, 3, {u"Sin formato, decimal inglés", u"Sem formato, decimal inglês", u"Sans format, décimal anglais", u"Unformatiert, englische Dezimalzahl", u"Unformatted, English decimal", u"Senza formato, decimale inglese", u"Sense format, decimal anglès"}},
{19, 4, {u"Formato decimal español", u"Formato decimal espanhol", u"Format décimal espagnol", u"Spanisches Dezimalformat", u"Spanish decimal format", u"Formato decimale spagnolo", u"Format decimal espanyol"}},
{19, 5, {u"Formato entero español", u"Formato inteiro espanhol", u"Format entier espagnol", u"Spanisches Ganzzahlformat", u"Spanish integer format", u"Formato intero spagnolo", u"Format enter espanyol"}},
{19, 6, {u"Sin formato, decimal español", u"Sem formato, decimal espanhol", u"Sans format, décimal espagnol", u"Unformatiert, spanische Dezimalzahl", u"Unformatted, Spanish decimal", u"Senza formato, decimale spagnolo", u"Sense format, decimal espanyol"}},
{19, 7, {u"Sin formato, entero (inglés / español)", u"Sem formato, inteiro (inglês / espanhol)", u"Sans format, entier (anglais / espagnol)", u"Unformatiert, Ganzzahl (Englisch / Spanisch)", u"Unformatted, Integer (English / Spanish)", u"Senza formato, intero (inglese / spagnolo)", u"Sense format, enter (anglès / espanyol)"}},

{20, 1, {u"Número con formato", u"Número com formato", u"Nombre avec format", u"Zahl mit Format", u"Number with format", u"Numero con formato", u"Nombre amb format"}},

{21, 1, {u"Velmora te da las Gracias por usar este programa.", u"Velmora graças por usar este programa.", u"Velmora vous remercie d'utiliser ce programme.", u"Velmora Dank dieses Programm für die Verwendung.", u"Velmora thanks you for using this program.", u"Velmora vi ringrazia per l'utilizzo di questo programma.", u"Velmora et dóna les Gràcies per utilitzar aquest programa"}},
{21, 2, {u"Programa hecho para todos los usuarios - www.example.org - ¡Visítenos!", u"Programa feito para todos os usuários - www.example.org - Visite-nos!", u"Programme conçu pour tous les utilisateurs - www.example.org - Visitez-nous !", u"Ein Programm für alle Benutzer - www.example.org - Besuchen Sie uns!", u"A program made for all users - www.example.org - Visit us!", u"Programma creato per tutti gli utenti - www.example.org - Visitateci!", u"Programa fet per a tots els usuaris - www.example.org - Visiteu-nos!"}},

{22, 1, {u"Entendiendo que este programa necesita registrarse para su mejor funcionamiento :", u"Entendendo que este programa precisa se registrar para um melhor desempenho :", u"Comprendre que ce programme doit enregistrer pour de meilleures performances :", u"Das Verständnis, dass dieses Programm braucht, um für eine bessere Leistung zu registrieren :", u"Understanding that this program needs to register for better performance :", u"Capire che questo programma ha bisogno di registrarsi per migliorare le prestazioni :", u"Entenent que aquest programa necessita registrar-se per al seu millor funcionament :"}},
{22, 2, {u"Quiere registrar el programa en la ubicación actual ?", u"Quer gravar o programa no local atual ?", u"Vous voulez enregistrer le programme à l'emplacement actuel ?", u"Möchten Sie das Programm an der aktuellen Position aufzeichnen ?", u"You want to record the program at the current location ?", u"Vuoi registrare il programma in corrispondenza della posizione attuale ?", u"Vol registrar el programa en la ubicació actual ?"}},
{22, 3, {u"Si acepta, se le aconseja que no mueva este programa y su carpeta de donde esta.", u"Se aceitar, você é aconselhado a não mover este programa ea respectiva pasta onde esta.", u"Si vous acceptez, il vous est conseillé de ne pas bouger de ce programme et de son dossier où cette.", u"Wenn Sie akzeptieren, wird empfohlen, dieses Programm nicht mehr bewegen und ihre Ordner, in dem Sie diese.", u"If you accept, you are advised to not move this program and its folder where this.", u"Se si accetta, si consiglia di non spostare questo programma e la sua cartella in cui questo.", u"Si accepta, se li aconsella que no mogui aquest programa i la seva carpeta d'on aquesta."}},
{22, 4, {u"Si no acepta, puede mover la carpeta con el programa a una ubicación mejor para registrar ...", u"Se recusar, você pode mover para uma melhor localização para gravar a pasta com o programa ...", u"Si vous refusez, vous pouvez passer à un meilleur emplacement pour enregistrer le dossier avec le programme ...", u"Wenn Sie ablehnen, können Sie zu einem besseren Ort zu bewegen, um den Ordner mit dem Programm aufzunehmen ...", u"If you decline, you can move to a better location to record the folder with the program ...", u"Se si rifiuta, si può passare a una posizione migliore per registrare la cartella con il programma ...", u"Si no accepta, pot moure la carpeta amb el programa a una ubicació millor per registrar ..."}},

{24, 1, {u"Realmente deseas salir del programa ?", u"Você realmente quer sair do programa ?", u"Vous voulez vraiment quitter le programme ?", u"Sie, um das Programm zu beenden möchte wirklich ?", u"You really want to exit the program ?", u"Sei sicuro di voler uscire dal programma ?", u"Realment vols sortir del programa ?"}},

{26, 1, {u"La tabla ha sido retocada ...", u"A tabela foi retocada ...", u"Le tableau a été retouchée ...", u"Die Tabelle retouched ...", u"The table has been retouched ...", u"La tabella è stata ritoccata ...", u"La taula ha estat retocada ..."}},

{27, 1, {u"Ha llegado al límite de Columnas", u"Você chegou ao limite de Colunas", u"Vous avez atteint la limite de Colonnes", u"Sie haben die Grenze der Spalten erreicht", u"You have reached the limit of Columns", u"Hai raggiunto il limite di Colonne", u"Heu arribat al límit de Columnes"}},
{27, 2, {u"Lo siento mucho, no puedo borrar", u"Sinto muito, não posso apagar", u"Désolé, je ne peux pas supprimer", u"Es tut mir sehr leid, ich kann nicht löschen", u"Feeling it a lot, I can not delete", u"Mi dispiace molto, non posso eliminare", u"Ho sento molt, no puc esborrar"}},

{28, 1, {u"Ha llegado al límite de Filas", u"Você chegou ao limite de Linhas", u"Vous avez atteint la limite de Lignes", u"Sie haben die Grenze der Zeilen erreicht", u"You have reached the limit of Rows", u"Hai raggiunto il limite di Righe", u"Heu arribat al límit de Files"}},

{30, 1, {u"Prueba", u"Teste", u"Test", u"Test", u"Test", u"Prova", u"Prova"}},
{30, 2, {u"Propiedades del texto", u"Propriedades do texto", u"Propriétés du texte", u"Texteigenschaften", u"Text properties", u"Proprietà del testo", u"Propietats del text"}},
{30, 3, {u"Tipo de Fuente", u"Tipo de Fonte", u"Type de Police", u"Schriftart", u"Type of Source", u"Tipo di Carattere", u"Tipus de Font"}},
{30, 4, {u"Tamaño", u"Tamanho", u"Taille", u"Größe", u"Size", u"Dimensione", u"Mida"}},
{30, 5, {u"Negrita", u"Negrito", u"Gras", u"Fett", u"Bold", u"Grassetto", u"Negreta"}},
{30, 6, {u"Cursiva", u"Itálico", u"Italique", u"Kursiv", u"Italic", u"Corsivo", u"Cursiva"}},
{30, 7, {u"Subrayado", u"Sublinhado", u"Souligné", u"Unterstrichen", u"Underline", u"Sottolineato", u"Subratllat"}},
{30, 8, {u"Tachado", u"Tachado", u"Barré", u"Durchgestrichen", u"Strikeout", u"Barrato", u"Ratllat"}},
{30, 9, {u"Estilos", u"Estilos", u"Styles", u"Stile", u"Styles", u"Stili", u"Estils"}},
{30, 10, {u"Color de Fondo", u"Cor de Fundo", u"Couleur de Fond", u"Hintergrundfarbe", u"Background Color", u"Colore di Sfondo", u"Color de Fons"}},
{30, 11, {u"Color de Fuente", u"Cor da Fonte", u"Couleur de Police", u"Schriftfarbe", u"Font Color", u"Colore del Carattere", u"Color de Font"}},
{30, 12, {u"Alineación Izquierda", u"Alinhamento à Esquerda", u"Alignement à Gauche", u"Linksbündig", u"Alignment Left", u"Allineamento a Sinistra", u"Alineació a l'Esquerra"}},
{30, 13, {u"Alineación a la Derecha", u"Alinhamento à Direita", u"Alignement à Droite", u"Rechtsbündig", u"Alignment to Right", u"Allineamento a Destra", u"Alineació a la Dreta"}},
{30, 14, {u"Alineación al Centro", u"Alinhamento ao Centro", u"Alignement au Centre", u"Zentriert", u"Alignment to Center", u"Allineamento al Centro", u"Alineació al Centre"}},
{30, 15, {u"Alineación justificada", u"Alinhamento justificado", u"Alignement justifié", u"Blocksatz", u"Justified alignment", u"Allineamento giustificato", u"Alineació justificada"}},
{30, 16, {u"Alineación vertical arriba", u"Alinhamento vertical acima", u"Alignement vertical en haut", u"Vertikal oben ausgerichtet", u"Vertical alignment up", u"Allineamento verticale in alto", u"Alineació vertical a dalt"}},
{30, 17, {u"Alineación vertical centrada", u"Alinhamento vertical centralizado", u"Alignement vertical centré", u"Vertikal zentriert ausgerichtet", u"Center aligned vertical alignment", u"Allineamento verticale centrato", u"Alineació vertical centrada"}},

{31, 1, {u"Ancho", u"Largura", u"Largeur", u"Breite", u"Width", u"Larghezza", u"Amplada"}},
{31, 2, {u"Alto", u"Altura", u"Hauteur", u"Höhe", u"Height", u"Altezza", u"Alçada"}},
{31, 3, {u"Nueva Tabla", u"Nova Tabela", u"Nouveau Tableau", u"Neue Tabelle", u"New Table", u"Nuova Tabella", u"Nova Taula"}},
{31, 4, {u"Vista Aproximada", u"Visualização Aproximada", u"Aperçu Approximatif", u"Ungefähre Vorschau", u"Approximate Vista", u"Vista approssimativa", u"Vista Aproximada"}},
{31, 5, {u"Filas", u"Linhas", u"Lignes", u"Zeilen", u"Rows", u"Righe", u"Files"}},
{31, 6, {u"Columnas", u"Colunas", u"Colonnes", u"Spalten", u"Columns", u"Colonne", u"Columnes"}},
{31, 7, {u"Color papel", u"Cor do papel", u"Couleur papier", u"Papierfarbe", u"Color paper", u"Colore carta", u"Color paper"}},
{31, 8, {u"Color líneas ", u"Cor das linhas ", u"Couleur des lignes ", u"Linienfarbe ", u"Color lines ", u"Colore linee ", u"Color línies "}},
{31, 9, {u"Grosor de las líneas", u"Espessura das linhas", u"Épaisseur des lignes", u"Linienstärke", u"Thickness of lines", u"Spessore delle linee", u"Gruix de les línies"}},
{31, 10, {u"Elija el separador en píxeles", u"Escolha o separador em pixels", u"Choisissez le séparateur en pixels", u"Trennabstand in Pixeln wählen", u"Choose separator in pixels", u"Scegli il separatore in pixel", u"Trieu el separador en píxels"}},

{32, 1, {u" separador", u" separador", u" séparateur", u" Trennabstand", u" separator", u" separatore", u" separador"}},

{33, 1, {u" grosor", u" espessura", u" épaisseur", u" Stärke", u" thickness", u" spessore", u" gruix"}},

{34, 1, {u"Debe completar todos los campos ...", u"Você deve preencher todos os campos ...", u"Vous devez remplir tous les champs ...", u"Sie müssen alle Felder ausfüllen ...", u"You must complete all fields ...", u"Devi compilare tutti i campi ...", u"Heu d'emplenar tots els camps ..."}},
{34, 2, {u"¡¡Gracias!!", u"Obrigado !!", u"Merci !!", u"Danke !!", u"Thank You !!", u"Grazie !!", u"Gràcies !!"}},

{35, 1, {u"La tabla supera el tamaño máximo permitido ...", u"A tabela excede o tamanho máximo permitido ...", u"Le tableau dépasse la taille maximale autorisée ...", u"Die Tabelle überschreitet die zulässige Höchstgröße ...", u"The table exceeds the maximum size allowed ...", u"La tabella supera la dimensione massima consentita ...", u"La taula supera la mida màxima permesa ..."}},
{35, 2, {u"El tamaño máximo es ", u"O tamanho máximo é ", u"La taille maximale est ", u"Die Höchstgröße ist ", u"The maximum size is ", u"La dimensione massima è ", u"La mida màxima és "}},
{35, 3, {u"El tamaño que solicita es ", u"O tamanho que você está pedindo é ", u"La taille demandée est ", u"Die angeforderte Größe ist ", u"The size you are requesting is ", u"La dimensione richiesta è ", u"La mida que sol·liciteu és "}},

{36, 1, {u"Color Capturado", u"Cor Capturada", u"Couleur Capturée", u"Erfasste Farbe", u"Color Caught", u"Colore Catturato", u"Color Capturat"}},

{37, 1, {u"Ha llegado al límite de filas ...", u"Você chegou ao limite de linhas ...", u"Vous avez atteint la limite de lignes ...", u"Sie haben die Grenze der Zeilen erreicht ...", u"You have reached the limit of rows ...", u"Hai raggiunto il limite di righe ...", u"Heu arribat al límit de files ..."}},

{38, 1, {u"Ha llegado al límite de columnas ...", u"Você chegou ao limite de colunas ...", u"Vous avez atteint la limite de colonnes ...", u"Sie haben die Grenze der Spalten erreicht ...", u"You have reached the limit of columns ...", u"Hai raggiunto il limite di colonne ...", u"Heu arribat al límit de columnes ..."}},
{38, 2, {u"Lo siento mucho, no puedo Insertar", u"Sinto muito, não posso Inserir", u"Désolé, je ne peux pas Insérer", u"Es tut mir sehr leid, ich kann nicht einfügen", u"Feeling it a lot, I can not Insert", u"Mi dispiace molto, non posso Inserire", u"Ho sento molt, no puc Inserir"}},

{39, 1, {u"Lo siento mucho, no puedo unir celdas Verticales ...", u"Sinto muito, não posso unir células Verticais ...", u"Vraiment désolé, je ne peux pas fusionner les cellules Verticales ...", u"Es tut mir so leid, ich kann vertikale Zellen nicht verbinden ...", u"Feeling it so much I can not join Vertical cells ...", u"Mi dispiace tanto, non posso unire le celle Verticali ...", u"Ho sento molt, no puc unir cel·les Verticals ..."}},

{40, 1, {u"Lo siento mucho, no puedo unir celdas Horizontales ...", u"Sinto muito, não posso unir células Horizontais ...", u"Vraiment désolé, je ne peux pas fusionner les cellules Horizontales ...", u"Es tut mir so leid, ich kann horizontale Zellen nicht verbinden ...", u"Feeling it so much I can not join Horizontal cells ...", u"Mi dispiace tanto, non posso unire le celle Orizzontali ...", u"Ho sento molt, no puc unir cel·les Horitzontals ..."}},
{40, 2, {u"La selección no es correcta ...", u"A seleção não está correta ...", u"La sélection n'est pas correcte ...", u"Die Auswahl ist nicht korrekt ...", u"It has not been chosen correction ...", u"La selezione non è corretta ...", u"La selecció no és correcta ..."}},

{41, 1, {u"Puede probar con un archivo de trabajo de una versión anterior ...", u"Você pode tentar um arquivo de trabalho de uma versão anterior ...", u"Vous pouvez essayer un fichier de travail d'une version précédente ...", u"Versuchen Sie es mit einer Arbeitsdatei einer früheren Version ...", u"You can try a work file from a previous version ...", u"Puoi provare un file di lavoro di una versione precedente ...", u"Podeu provar un fitxer de treball d'una versió anterior ..."}},

{42, 1, {u"Archivo con formato incorrecto ...", u"Arquivo com formato incorreto ...", u"Fichier au format incorrect ...", u"Datei mit falschem Format ...", u"Wrong format file ...", u"File con formato errato ...", u"Fitxer amb format incorrecte ..."}},

{44, 1, {u"Restablecer", u"Redefinir", u"Réinitialiser", u"Zurücksetzen", u"Reset", u"Reimposta", u"Restablir"}},

{45, 1, {u"Salir", u"Sair", u"Sortir", u"Verlassen", u"Get out", u"Esci", u"Sortir"}},

{46, 1, {u"Archivar", u"Arquivar", u"Enregistrer", u"Speichern", u"File", u"Salva", u"Arxivar"}},

{47, 1, {u"Sus colores favoritos: cárguelos y guárdelos", u"Suas cores favoritas: carregue-as e salve-as", u"Vos couleurs préférées : chargez-les et enregistrez-les", u"Ihre Lieblingsfarben: laden und speichern Sie sie", u"Your favorite colors load them and save them", u"I tuoi colori preferiti: caricali e salvali", u"Els vostres colors preferits: carregueu-los i deseu-los"}},

{48, 1, {u"¿Realmente desea RESTABLECER ?", u"Quer mesmo REDEFINIR ?", u"Voulez-vous vraiment RÉINITIALISER ?", u"Wirklich ZURÜCKSETZEN ?", u"RESET really want ?", u"Vuoi davvero REIMPOSTARE ?", u"Realment voleu RESTABLIR ?"}},
{48, 2, {u"Se perderán todos sus colores favoritos", u"Todas as suas cores favoritas serão perdidas", u"Toutes vos couleurs préférées seront perdues", u"Alle Ihre Lieblingsfarben gehen verloren", u"All your favorite colors will be lost", u"Tutti i tuoi colori preferiti andranno persi", u"Es perdran tots els vostres colors preferits"}},

{49, 1, {u"¿Guardar los cambios antes de salir ?", u"Salvar as alterações antes de sair ?", u"Enregistrer les modifications avant de quitter ?", u"Änderungen vor dem Verlassen speichern ?", u"To save changes before exiting ?", u"Salvare le modifiche prima di uscire ?", u"Desar els canvis abans de sortir ?"}},

{50, 1, {u"Mis colores favoritos están archivados", u"Minhas cores favoritas estão arquivadas", u"Mes couleurs préférées sont enregistrées", u"Meine Lieblingsfarben sind gespeichert", u"My favorite colors are filed", u"I miei colori preferiti sono salvati", u"Els meus colors preferits estan arxivats"}},

{51, 1, {u"Color seleccionado", u"Cor selecionada", u"Couleur sélectionnée", u"Ausgewählte Farbe", u"Selected color", u"Colore selezionato", u"Color seleccionat"}},

{52, 1, {u"Nombre de archivo", u"Nome do arquivo", u"Nom du fichier", u"Dateiname", u"Filename", u"Nome del file", u"Nom del fitxer"}},
{52, 2, {u"Nombre de archivo sin extensión", u"Nome do arquivo sem extensão", u"Nom du fichier sans extension", u"Dateiname ohne Erweiterung", u"Filename without extension", u"Nome del file senza estensione", u"Nom del fitxer sense extensió"}},
{52, 3, {u"Aceptar", u"Aceitar", u"Accepter", u"Annehmen", u"Accept", u"Accetta", u"Acceptar"}},
{52, 4, {u"Cancelar", u"Cancelar", u"Annuler", u"Abbrechen", u"Cancel", u"Annulla", u"Cancel·lar"}},

{54, 1, {u"Exportado a mapa de bits recortado ..", u"Exportado para bitmap recortado ..", u"Exporté en bitmap découpé ..", u"Als zugeschnittene Bitmap exportiert ..", u"Exported to cut bitmap ..", u"Esportato in bitmap ritagliata ..", u"Exportat a mapa de bits retallat .."}},

{57, 1, {u"Para bloquear la celda : ", u"Para bloquear a célula : ", u"Pour bloquer la cellule : ", u"Zum Sperren der Zelle : ", u"To block cell : ", u"Per bloccare la cella : ", u"Per bloquejar la cel·la : "}},

{58, 1, {u"El archivo existe ...", u"O arquivo existe ...", u"Le fichier existe ...", u"Die Datei existiert ...", u"File exists ...", u"Il file esiste ...", u"El fitxer existeix ..."}},
{58, 2, {u"¿Sobrescribir ?", u"Substituir ?", u"Écraser ?", u"Überschreiben ?", u"Overwrite ?", u"Sovrascrivere ?", u"Sobreescriure ?"}},

{59, 1, {u"Para anular la celda : ", u"Para anular a célula : ", u"Pour annuler la cellule : ", u"Zum Aufheben der Zelle : ", u"To override cell : ", u"Per annullare la cella : ", u"Per anul·lar la cel·la : "}},

{60, 1, {u"Para copiar la celda : ", u"Para copiar a célula : ", u"Pour copier la cellule : ", u"Zum Kopieren der Zelle : ", u"To copy cell : ", u"Per copiare la cella : ", u"Per copiar la cel·la : "}},

{61, 1, {u"Para pegar la celda : ", u"Para colar a célula : ", u"Pour coller la cellule : ", u"Zum Einfügen der Zelle : ", u"To paste cell : ", u"Per incollare la cella : ", u"Per enganxar la cel·la : "}},

{62, 1, {u"Para borrar la celda : ", u"Para limpar a célula : ", u"Pour effacer la cellule : ", u"Zum Leeren der Zelle : ", u"To clear cell : ", u"Per cancellare la cella : ", u"Per esborrar la cel·la : "}},
{62, 2, {u"Seleccione una celda ...", u"Selecione uma célula ...", u"Sélectionnez une cellule ...", u"Wählen Sie eine Zelle aus ...", u"Select cell ...", u"Seleziona una cella ...", u"Seleccioneu una cel·la ..."}},

{63, 1, {u"Programador", u"Programador", u"Programmeur", u"Programmierer", u"Programmer", u"Programmatore", u"Programador"}},

{64, 1, {u"Archivo de trabajo : ", u"Arquivo de trabalho : ", u"Fichier de travail : ", u"Arbeitsdatei : ", u"Work file : ", u"File di lavoro : ", u"Fitxer de treball : "}},
{64, 2, {u"No Existe ...", u"Não Existe ...", u"N'existe pas ...", u"Existiert nicht ...", u"Not Exist ...", u"Non Esiste ...", u"No Existeix ..."}},

{65, 1, {u"Ancho : ", u"Largura : ", u"Largeur : ", u"Breite : ", u"Width : ", u"Larghezza : ", u"Amplada : "}},
{65, 2, {u" Alto : ", u" Altura : ", u" Hauteur : ", u" Höhe : ", u" Height : ", u" Altezza : ", u" Alçada : "}},
{65, 3, {u" Filas : ", u" Linhas : ", u" Lignes : ", u" Zeilen : ", u" Rows : ", u" Righe : ", u" Files : "}},
{65, 4, {u" Columnas : ", u" Colunas : ", u" Colonnes : ", u" Spalten : ", u" Columns : ", u" Colonne : ", u" Columnes : "}},
{65, 5, {u" Separación : ", u" Separação : ", u" Séparation : ", u" Abstand : ", u" Separation : ", u" Separazione : ", u" Separació : "}},

{66, 1, {u"Explorador de archivos de mapa de bits", u"Navegador de arquivos de bitmap", u"Explorateur de fichiers bitmap", u"Dateiauswahl für Bitmaps", u"For bitmap file browser", u"Esplora file per bitmap", u"Explorador de fitxers de mapa de bits"}},
{66, 2, {u"Todos los Archivos", u"Todos os Arquivos", u"Tous les Fichiers", u"Alle Dateien", u"All Files", u"Tutti i File", u"Tots els Fitxers"}},

{67, 1, {u"Idiomas", u"Idiomas", u"Langues", u"Sprachen", u"Languages", u"Lingue", u"Idiomes"}},

{68, 1, {u"Tabla", u"Tabela", u"Tableau", u"Tabelle", u"Table", u"Tabella", u"Taula"}},
{68, 2, {u"Unir Celdas en Horizontal", u"Mesclar células na horizontal", u"Fusionner les cellules à l'horizontale", u"Zellen horizontal verbinden", u"Merge Cells Horizontal", u"Unisci celle in orizzontale", u"Unir Cel·les en Horitzontal"}},
{68, 3, {u"Unir Celdas en Vertical", u"Mesclar células na vertical", u"Fusionner les cellules à la verticale", u"Zellen vertikal verbinden", u"Vertical Merge Cells", u"Unisci celle in verticale", u"Unir Cel·les en Vertical"}},
{68, 4, {u"Anular Celda", u"Anular célula", u"Annuler la cellule", u"Zelle aufheben", u"Cancel Cell", u"Annulla cella", u"Anul·lar Cel·la"}},
{68, 5, {u"Insertar Columna", u"Inserir coluna", u"Insérer une colonne", u"Spalte einfügen", u"Insert Column", u"Inserisci colonna", u"Inserir Columna"}},
{68, 6, {u"Insertar Fila", u"Inserir linha", u"Insérer une ligne", u"Zeile einfügen", u"Insert Row", u"Inserisci riga", u"Inserir Fila"}},
{68, 7, {u"Eliminar Última Columna", u"Remover última coluna", u"Supprimer la dernière colonne", u"Letzte Spalte entfernen", u"Remove Last Column", u"Rimuovi ultima colonna", u"Eliminar Última Columna"}},
{68, 8, {u"Eliminar Última Fila", u"Remover última linha", u"Supprimer la dernière ligne", u"Letzte Zeile entfernen", u"Remove Last Row", u"Rimuovi ultima riga", u"Eliminar Última Fila"}},
{68, 9, {u"Restablecer tabla", u"Redefinir tabela", u"Réinitialiser le tableau", u"Tabelle zurücksetzen", u"Reset table", u"Reimposta tabella", u"Restablir taula"}},
{68, 10, {u"Barra de título", u"Barra de título", u"Barre de titre", u"Titelleiste", u"Title bar", u"Barra del titolo", u"Barra de títol"}},
{68, 11, {u"Ver comandos", u"Ver comandos", u"Afficher les commandes", u"Befehle anzeigen", u"View commands", u"Visualizza comandi", u"Veure ordres"}},

{69, 1, {u"Ratón", u"Mouse", u"Souris", u"Maus", u"Mouse", u"Mouse", u"Ratolí"}},
{69, 2, {u"Izquierdo", u"Esquerdo", u"Gauche", u"Links", u"Left", u"Sinistro", u"Esquerre"}},
{69, 3, {u"Selector de celdas", u"Seletor de células", u"Sélecteur de cellules", u"Zellauswahl", u"Cell selector", u"Selettore di celle", u"Selector de cel·les"}},
{69, 4, {u"Editar Texto y Colores", u"Editar Texto e Cores", u"Modifier Texte et Couleurs", u"Text und Farben bearbeiten", u"Edit Text and Colors", u"Modifica Testo e Colori", u"Editar Text i Colors"}},
{69, 5, {u"Insertar imagen", u"Inserir imagem", u"Insérer une image", u"Bild einfügen", u"Insert image", u"Inserisci immagine", u"Inserir imatge"}},
{69, 6, {u"Derecho", u"Direito", u"Droit", u"Rechts", u"Right", u"Destro", u"Dret"}},
{69, 7, {u"Capturar Color", u"Capturar Cor", u"Capturer la Couleur", u"Farbe erfassen", u"Capturing Color", u"Cattura Colore", u"Capturar Color"}},
{69, 8, {u"Mis Colores Favoritos", u"Minhas Cores Favoritas", u"Mes Couleurs Préférées", u"Meine Lieblingsfarben", u"My Favorite Colors", u"I Miei Colori Preferiti", u"Els Meus Colors Preferits"}},
{69, 9, {u"Insertar Icono", u"Inserir Ícone", u"Insérer une Icône", u"Symbol einfügen", u"Insert Icon", u"Inserisci Icona", u"Inserir Icona"}},

{70, 1, {u"Edición", u"Editar", u"Édition", u"Bearbeiten", u"Edit", u"Modifica", u"Edició"}},
{70, 2, {u"Copiar celda", u"Copiar célula", u"Copier la cellule", u"Zelle kopieren", u"Copy cell", u"Copia cella", u"Copiar cel·la"}},
{70, 3, {u"Pegar celda", u"Colar célula", u"Coller la cellule", u"Zelle einfügen", u"Paste cell", u"Incolla cella", u"Enganxar cel·la"}},
{70, 4, {u"Borrar celda", u"Limpar célula", u"Effacer la cellule", u"Zelle leeren", u"Clear cell", u"Cancella cella", u"Esborrar cel·la"}},
{70, 5, {u"Seleccionar todo", u"Selecionar tudo", u"Tout sélectionner", u"Alles auswählen", u"Select all", u"Seleziona tutto", u"Seleccionar-ho tot"}},
{70, 6, {u"Deshacer", u"Desfazer", u"Annuler", u"Rückgängig", u"Undo", u"Annulla", u"Desfer"}},
{70, 7, {u"Actualizar", u"Atualizar", u"Actualiser", u"Aktualisieren", u"To update", u"Aggiorna", u"Actualitzar"}},

{71, 1, {u"Operaciones", u"Operações", u"Opérations", u"Operationen", u"Operations", u"Operazioni", u"Operacions"}},
{71, 2, {u"Nuevo", u"Novo", u"Nouveau", u"Neu", u"New", u"Nuovo", u"Nou"}},
{71, 3, {u"Leer archivo", u"Ler arquivo", u"Lire un fichier", u"Datei lesen", u"Read file", u"Leggi file", u"Llegir fitxer"}},
{71, 4, {u"Leer Formato Anterior", u"Ler Formato Anterior", u"Lire l'Ancien Format", u"Früheres Format lesen", u"Read Format Previous", u"Leggi Formato Precedente", u"Llegir Format Anterior"}},
{71, 5, {u"Grabar archivo", u"Gravar arquivo", u"Enregistrer le fichier", u"Datei speichern", u"Record file", u"Salva file", u"Desar fitxer"}},
{71, 6, {u"Exportar a Mapa de bits", u"Exportar para Bitmap", u"Exporter en Bitmap", u"Als Bitmap exportieren", u"Export to Bitmap", u"Esporta in Bitmap", u"Exportar a Mapa de bits"}},
{71, 7, {u"Exportar a Mapa de bits recortado", u"Exportar para Bitmap recortado", u"Exporter en Bitmap découpé", u"Als zugeschnittene Bitmap exportieren", u"Bitmap Export to cut", u"Esporta in Bitmap ritagliata", u"Exportar a Mapa de bits retallat"}},
{71, 8, {u"Configuración", u"Configuração", u"Configuration", u"Konfiguration", u"Configuration", u"Configurazione", u"Configuració"}},
{71, 9, {u"Autor", u"Autor", u"Auteur", u"Autor", u"Author", u"Autore", u"Autor"}},
{71, 10, {u"Salir del programa", u"Sair do programa", u"Quitter le programme", u"Programm beenden", u"Exit the program", u"Esci dal programma", u"Sortir del programa"}},
{71, 11, {u"Exportar a JPEG recortado", u"Exportar para JPEG recortado", u"Exporter en JPEG découpé", u"Als zugeschnittenes JPEG exportieren", u"Export to cut JPEG", u"Esporta in JPEG ritagliato", u"Exportar a JPEG retallat"}},

{72, 1, {u"No se pudo guardar el archivo: ", u"Não foi possível salvar o arquivo: ", u"Impossible d'enregistrer le fichier : ", u"Die Datei konnte nicht gespeichert werden: ", u"The file could not be saved: ", u"Impossibile salvare il file: ", u"No s'ha pogut desar el fitxer: "}},
{72, 2, {u"No se pudo exportar la imagen: ", u"Não foi possível exportar a imagem: ", u"Impossible d'exporter l'image : ", u"Das Bild konnte nicht exportiert werden: ", u"The picture could not be exported: ", u"Impossibile esportare l'immagine: ", u"No s'ha pogut exportar la imatge: "}},
{73, 1, {u"Rehacer", u"Refazer", u"Rétablir", u"Wiederherstellen", u"Redo", u"Ripeti", u"Refer"}},
{73, 2, {u"La tabla tiene cambios sin guardar. ¿Desea guardarlos?", u"A tabela tem alterações não salvas. Deseja salvá-las?", u"Le tableau contient des modifications non enregistrées. Voulez-vous les enregistrer ?", u"Die Tabelle hat ungespeicherte Änderungen. Möchten Sie sie speichern?", u"The table has unsaved changes. Do you want to save them?", u"La tabella ha modifiche non salvate. Vuoi salvarle?", u"La taula té canvis sense desar. Voleu desar-los?"}},
{73, 3, {u"Faltaban celdas en el archivo; se crearon como celdas nuevas: ", u"Faltavam células no arquivo; foram criadas como células novas: ", u"Des cellules manquaient dans le fichier ; elles ont été créées comme nouvelles cellules : ", u"In der Datei fehlten Zellen; sie wurden als neue Zellen angelegt: ", u"Cells were missing from the file and were made as new cells: ", u"Nel file mancavano celle; sono state create come celle nuove: ", u"Faltaven cel·les al fitxer; s'han creat com a cel·les noves: "}},
{73, 4, {u"Contraseña incorrecta: la tabla no se abrió.", u"Senha incorreta: a tabela não foi aberta.", u"Mot de passe incorrect : le tableau n'a pas été ouvert.", u"Falsches Passwort: Die Tabelle wurde nicht geöffnet.", u"Wrong password: the table was not opened.", u"Password errata: la tabella non è stata aperta.", u"Contrasenya incorrecta: la taula no s'ha obert."}},
{73, 5, {u"No se pueden unir celdas con una barra de título o un estilo de líneas con áreas de celda.", u"Não é possível unir células com uma barra de título ou um estilo de linhas com áreas de célula.", u"Impossible de joindre des cellules avec une barre de titre ou un style de lignes avec zones de cellule.", u"Zellen können bei Titelleiste oder Linienstil mit Zellflächen nicht verbunden werden.", u"Cells cannot be joined while a title bar or a line style with cell areas is on.", u"Non si possono unire celle con una barra del titolo o uno stile di linee con aree di cella.", u"No es poden unir cel·les amb una barra de títol o un estil de línies amb àrees de cel·la."}},

{74, 1, {u"Contraseña", u"Senha", u"Mot de passe", u"Passwort", u"Password", u"Password", u"Contrasenya"}},
{74, 2, {u"Repita la contraseña", u"Repita a senha", u"Retapez le mot de passe", u"Passwort wiederholen", u"Type the password again", u"Ripeti la password", u"Repetiu la contrasenya"}},

{75, 1, {u"Texto", u"Texto", u"Texte", u"Text", u"Text", u"Testo", u"Text"}},
{75, 2, {u"celdas", u"células", u"cellules", u"Zellen", u"cells", u"celle", u"cel·les"}},
{75, 3, {u"Autosuma", u"AutoSoma", u"Somme automatique", u"AutoSumme", u"AutoSum", u"Somma automatica", u"Autosuma"}},
{75, 4, {u"Formato de número", u"Formato de número", u"Format de nombre", u"Zahlenformat", u"Number format", u"Formato numero", u"Format de nombre"}},
{75, 5, {u"No hay números encima ni a la izquierda para sumar.", u"Não há números acima nem à esquerda para somar.", u"Aucun nombre au-dessus ni à gauche à additionner.", u"Keine Zahlen darüber oder links davon zum Summieren.", u"No numbers above or to the left to sum.", u"Nessun numero sopra o a sinistra da sommare.", u"No hi ha nombres a sobre ni a l'esquerra per sumar."}},
{75, 6, {u"Imagen exportada a ", u"Imagem exportada para ", u"Image exportée vers ", u"Bild exportiert nach ", u"Picture exported to ", u"Immagine esportata in ", u"Imatge exportada a "}},
{75, 7, {u"Formato de celda…", u"Formatar célula…", u"Format de cellule…", u"Zelle formatieren…", u"Format cell…", u"Formato cella…", u"Format de cel·la…"}},
{75, 8, {u"Guardar", u"Salvar", u"Enregistrer", u"Speichern", u"Save", u"Salva", u"Desa"}},
{75, 9, {u"Guardar como…", u"Salvar como…", u"Enregistrer sous…", u"Speichern unter…", u"Save as…", u"Salva con nome…", u"Desa com a…"}},
{75, 10, {u"Copiar como texto", u"Copiar como texto", u"Copier comme texte", u"Als Text kopieren", u"Copy as text", u"Copia come testo", u"Copiar com a text"}},

{76, 1, {u"Exportar imagen", u"Exportar imagem", u"Exporter l'image", u"Bild exportieren", u"Export picture", u"Esporta immagine", u"Exportar imatge"}},
{76, 2, {u"Copiar imagen", u"Copiar imagem", u"Copier l'image", u"Bild kopieren", u"Copy picture", u"Copia immagine", u"Copiar imatge"}},
{76, 3, {u"Escala", u"Escala", u"Échelle", u"Maßstab", u"Scale", u"Scala", u"Escala"}},
{76, 4, {u"Fondo transparente", u"Fundo transparente", u"Fond transparent", u"Transparenter Hintergrund", u"Transparent background", u"Sfondo trasparente", u"Fons transparent"}},
{76, 5, {u"No se puede exportar sobre el archivo de trabajo abierto: ", u"Não é possível exportar sobre o arquivo de trabalho aberto: ", u"Impossible d'exporter sur le fichier de travail ouvert : ", u"Die geöffnete Arbeitsdatei kann nicht überschrieben werden: ", u"The export cannot overwrite the open work file: ", u"Impossibile esportare sul file di lavoro aperto: ", u"No es pot exportar sobre el fitxer de treball obert: "}},

{77, 1, {u"Importar CSV…", u"Importar CSV…", u"Importer un CSV…", u"CSV importieren…", u"Import CSV…", u"Importa CSV…", u"Importar CSV…"}},
{77, 2, {u"Pegar desde hoja de cálculo", u"Colar da planilha", u"Coller depuis un tableur", u"Aus Tabellenkalkulation einfügen", u"Paste from spreadsheet", u"Incolla da foglio di calcolo", u"Enganxar des del full de càlcul"}},
{77, 3, {u"El archivo no tiene datos o no se puede leer: ", u"O arquivo não tem dados ou não pode ser lido: ", u"Le fichier ne contient pas de données ou ne peut pas être lu : ", u"Die Datei enthält keine Daten oder kann nicht gelesen werden: ", u"The file holds no data or cannot be read: ", u"Il file non contiene dati o non può essere letto: ", u"El fitxer no té dades o no es pot llegir: "}},
{77, 4, {u"Los datos no caben en la tabla:", u"Os dados não cabem na tabela:", u"Les données ne tiennent pas dans le tableau :", u"Die Daten passen nicht in die Tabelle:", u"The data does not fit in the table:", u"I dati non entrano nella tabella:", u"Les dades no caben a la taula:"}},
{77, 5, {u"Columnas importadas (las primeras): ", u"Colunas importadas (as primeiras): ", u"Colonnes importées (les premières) : ", u"Importierte Spalten (die ersten): ", u"Columns imported (the first ones): ", u"Colonne importate (le prime): ", u"Columnes importades (les primeres): "}},
{77, 6, {u"Filas importadas (las primeras): ", u"Linhas importadas (as primeiras): ", u"Lignes importées (les premières) : ", u"Importierte Zeilen (die ersten): ", u"Rows imported (the first ones): ", u"Righe importate (le prime): ", u"Files importades (les primeres): "}},
{77, 7, {u"Campos cortados a 273 caracteres: ", u"Campos cortados em 273 caracteres: ", u"Champs coupés à 273 caractères : ", u"Auf 273 Zeichen gekürzte Felder: ", u"Fields cut to 273 characters: ", u"Campi tagliati a 273 caratteri: ", u"Camps tallats a 273 caràcters: "}},
{77, 8, {u"¿Importar la parte que cabe?", u"Importar a parte que cabe?", u"Importer la partie qui tient ?", u"Den passenden Teil importieren?", u"Import the part that fits?", u"Importare la parte che entra?", u"Importar la part que hi cap?"}},
{77, 9, {u"Celdas fuera de la tabla, no pegadas: ", u"Células fora da tabela, não coladas: ", u"Cellules hors du tableau, non collées : ", u"Zellen außerhalb der Tabelle, nicht eingefügt: ", u"Cells outside the table, not pasted: ", u"Celle fuori dalla tabella, non incollate: ", u"Cel·les fora de la taula, no enganxades: "}},
{77, 10, {u"Celdas unidas, anuladas o bloqueadas, sin cambios: ", u"Células mescladas, anuladas ou bloqueadas, sem alteração: ", u"Cellules fusionnées, annulées ou bloquées, inchangées : ", u"Verbundene, aufgehobene oder gesperrte Zellen, unverändert: ", u"Joined, cancelled or stopped cells left as they were: ", u"Celle unite, annullate o bloccate, lasciate com'erano: ", u"Cel·les unides, anul·lades o blocades, sense canvis: "}},
{77, 11, {u"El portapapeles no tiene texto para pegar.", u"A área de transferência não tem texto para colar.", u"Le presse-papiers ne contient pas de texte à coller.", u"Die Zwischenablage enthält keinen Text zum Einfügen.", u"The clipboard holds no text to paste.", u"Gli appunti non contengono testo da incollare.", u"El porta-retalls no té text per enganxar."}},
{77, 12, {u"Explorador de archivos de datos", u"Navegador de arquivos de dados", u"Explorateur de fichiers de données", u"Dateiauswahl für Daten", u"File browser for data", u"Esplora file di dati", u"Explorador de fitxers de dades"}},
{77, 13, {u"Datos", u"Dados", u"Données", u"Daten", u"Data", u"Dati", u"Dades"}},
{77, 14, {u"El archivo no es texto, tiene un byte nulo en la línea ", u"O arquivo não é texto, tem um byte nulo na linha ", u"Le fichier n'est pas du texte, il a un octet nul à la ligne ", u"Die Datei ist kein Text, sie hat ein Nullbyte in Zeile ", u"The file is not text, it holds a NUL byte on line ", u"Il file non è testo, ha un byte nullo alla riga ", u"El fitxer no és text, té un byte nul a la línia "}},
{77, 15, {u"Actualizar datos desde CSV…", u"Atualizar dados de CSV…", u"Actualiser les données depuis un CSV…", u"Daten aus CSV aktualisieren…", u"Refresh data from CSV…", u"Aggiorna dati da CSV…", u"Actualitza les dades des d'un CSV…"}},
{77, 16, {u"Los datos tienen más filas que la tabla. ¿Añadir filas como la última?", u"Os dados têm mais linhas que a tabela. Adicionar linhas como a última?", u"Les données ont plus de lignes que le tableau. Ajouter des lignes comme la dernière ?", u"Die Daten haben mehr Zeilen als die Tabelle. Zeilen wie die letzte hinzufügen?", u"The data has more rows than the table. Add rows made like the last one?", u"I dati hanno più righe della tabella. Aggiungere righe come l'ultima?", u"Les dades tenen més files que la taula. Voleu afegir files com l'última?"}},
{77, 17, {u"Campos sin celda, omitidos: ", u"Campos sem célula, omitidos: ", u"Champs sans cellule, laissés de côté : ", u"Felder ohne Zelle, ausgelassen: ", u"Fields that found no cell, left out: ", u"Campi senza cella, tralasciati: ", u"Camps sense cel·la, omesos: "}},

{78, 1, {u"No se pudo abrir el archivo de trabajo: ", u"Não foi possível abrir o arquivo de trabalho: ", u"Impossible d'ouvrir le fichier de travail : ", u"Die Arbeitsdatei konnte nicht geöffnet werden: ", u"The work file could not be opened: ", u"Impossibile aprire il file di lavoro: ", u"No s'ha pogut obrir el fitxer de treball: "}},
{78, 2, {u"No se leyó el archivo, quedan los valores por defecto: ", u"O arquivo não foi lido, ficam os valores padrão: ", u"Le fichier n'a pas été lu, les valeurs par défaut restent : ", u"Die Datei wurde nicht gelesen, es gelten die Standardwerte: ", u"The file was not read, the defaults stand: ", u"Il file non è stato letto, restano i valori predefiniti: ", u"No s'ha llegit el fitxer, queden els valors per defecte: "}},

{79, 1, {u"El archivo contiene más que su tabla; el resto no se ha leído: ", u"O arquivo contém mais do que a sua tabela; o resto não foi lido: ", u"Le fichier contient plus que son tableau ; le reste n'a pas été lu : ", u"Die Datei enthält mehr als ihre Tabelle; der Rest wurde nicht gelesen: ", u"The file holds more than its table; the rest was not read: ", u"Il file contiene più della sua tabella; il resto non è stato letto: ", u"El fitxer conté més que la seva taula; la resta no s'ha llegit: "}},
{80, 1, {u"Se encontró una copia de recuperación con cambios sin guardar de:", u"Foi encontrada uma cópia de recuperação com alterações não salvas de:", u"Une copie de récupération avec des modifications non enregistrées a été trouvée pour :", u"Eine Wiederherstellungskopie mit ungespeicherten Änderungen wurde gefunden für:", u"A recovery copy with unsaved changes was found for:", u"È stata trovata una copia di recupero con modifiche non salvate di:", u"S'ha trobat una còpia de recuperació amb canvis sense desar de:"}},
{80, 2, {u"(una tabla nueva sin archivo)", u"(uma tabela nova sem arquivo)", u"(un nouveau tableau sans fichier)", u"(eine neue Tabelle ohne Datei)", u"(a new table without a file)", u"(una nuova tabella senza file)", u"(una taula nova sense fitxer)"}},
{80, 3, {u"Restaurar", u"Restaurar", u"Restaurer", u"Wiederherstellen", u"Restore", u"Ripristina", u"Restaurar"}},
{80, 4, {u"Descartar", u"Descartar", u"Supprimer", u"Verwerfen", u"Discard", u"Scarta", u"Descartar"}},
{80, 5, {u"Más tarde", u"Mais tarde", u"Plus tard", u"Später", u"Later", u"Più tardi", u"Més tard"}},
{80, 6, {u"No se pudo escribir la copia de recuperación: ", u"Não foi possível gravar a cópia de recuperação: ", u"Impossible d'écrire la copie de récupération : ", u"Die Wiederherstellungskopie konnte nicht geschrieben werden: ", u"The recovery copy could not be written: ", u"Impossibile scrivere la copia di recupero: ", u"No s'ha pogut escriure la còpia de recuperació: "}},
{80, 7, {u"La carpeta de recuperación es un enlace simbólico; no se guardan copias en ella: ", u"A pasta de recuperação é um link simbólico; nenhuma cópia é guardada nela: ", u"Le dossier de récupération est un lien symbolique ; aucune copie n'y est gardée : ", u"Der Wiederherstellungsordner ist ein symbolischer Link; dort werden keine Kopien gehalten: ", u"The recovery folder is a symbolic link; no recovery copies are kept there: ", u"La cartella di recupero è un collegamento simbolico; non vi si tengono copie: ", u"La carpeta de recuperació és un enllaç simbòlic; no s'hi desen còpies: "}},

{81, 1, {u"Estilo de tabla…", u"Estilo de tabela…", u"Style de tableau…", u"Tabellenstil…", u"Table style…", u"Stile tabella…", u"Estil de taula…"}},
{81, 2, {u"Guardar como estilo…", u"Salvar como estilo…", u"Enregistrer comme style…", u"Als Stil speichern…", u"Save as style…", u"Salva come stile…", u"Desa com a estil…"}},
{81, 3, {u"Aplicar", u"Aplicar", u"Appliquer", u"Anwenden", u"Apply", u"Applica", u"Aplica"}},
{81, 4, {u"Eliminar", u"Excluir", u"Supprimer", u"Löschen", u"Delete", u"Elimina", u"Suprimeix"}},
{81, 5, {u"Nombre del estilo:", u"Nome do estilo:", u"Nom du style :", u"Name des Stils:", u"Style name:", u"Nome dello stile:", u"Nom de l'estil:"}},
{81, 6, {u"Un archivo de estilo está dañado y se omitió: ", u"Um arquivo de estilo está danificado e foi ignorado: ", u"Un fichier de style est endommagé et a été ignoré : ", u"Eine Stildatei ist beschädigt und wurde übersprungen: ", u"A style file is damaged and was skipped: ", u"Un file di stile è danneggiato ed è stato saltato: ", u"Un fitxer d'estil està malmès i s'ha omès: "}},
{81, 7, {u"Un estilo incorporado ya tiene este nombre: ", u"Um estilo integrado já tem este nome: ", u"Un style intégré porte déjà ce nom : ", u"Ein eingebauter Stil hat bereits diesen Namen: ", u"A built-in style already has this name: ", u"Uno stile predefinito ha già questo nome: ", u"Un estil integrat ja té aquest nom: "}},
{81, 8, {u"Ya existe un estilo con este nombre. ¿Reemplazarlo?", u"Já existe um estilo com este nome. Substituí-lo?", u"Un style porte déjà ce nom. Le remplacer ?", u"Ein Stil mit diesem Namen existiert. Ersetzen?", u"A style with this name exists. Replace it?", u"Esiste già uno stile con questo nome. Sostituirlo?", u"Ja hi ha un estil amb aquest nom. Voleu substituir-lo?"}},
{81, 9, {u"No se pudo guardar el estilo: ", u"Não foi possível salvar o estilo: ", u"Impossible d'enregistrer le style : ", u"Der Stil konnte nicht gespeichert werden: ", u"The style could not be saved: ", u"Impossibile salvare lo stile: ", u"No s'ha pogut desar l'estil: "}},
{81, 10, {u"¿Eliminar el estilo?", u"Excluir o estilo?", u"Supprimer le style ?", u"Den Stil löschen?", u"Delete the style?", u"Eliminare lo stile?", u"Voleu suprimir l'estil?"}},
{81, 11, {u"No se pudo eliminar el archivo de estilo: ", u"Não foi possível excluir o arquivo de estilo: ", u"Impossible de supprimer le fichier de style : ", u"Die Stildatei konnte nicht gelöscht werden: ", u"The style file could not be deleted: ", u"Impossibile eliminare il file di stile: ", u"No s'ha pogut suprimir el fitxer d'estil: "}},
{81, 12, {u"Cuadrícula simple", u"Grade simples", u"Grille simple", u"Einfaches Gitter", u"Plain grid", u"Griglia semplice", u"Quadrícula simple"}},
{81, 13, {u"Fila de encabezado", u"Linha de cabeçalho", u"Ligne d'en-tête", u"Kopfzeile", u"Header row", u"Riga di intestazione", u"Fila de capçalera"}},
{81, 14, {u"Filas alternas", u"Linhas alternadas", u"Lignes alternées", u"Gebänderte Zeilen", u"Banded rows", u"Righe alternate", u"Files alternes"}},
{81, 15, {u"Encabezado y primera columna", u"Cabeçalho e primeira coluna", u"En-tête et première colonne", u"Kopfzeile und erste Spalte", u"Header row and first column", u"Intestazione e prima colonna", u"Capçalera i primera columna"}},
{81, 16, {u"Mínimo", u"Mínimo", u"Minimal", u"Minimal", u"Minimal", u"Minimo", u"Mínim"}},
{81, 17, {u"Encabezado oscuro", u"Cabeçalho escuro", u"En-tête sombre", u"Dunkle Kopfzeile", u"Dark header", u"Intestazione scura", u"Capçalera fosca"}},
{81, 18, {u"Libro contable", u"Livro contábil", u"Registre", u"Kassenbuch", u"Ledger", u"Libro mastro", u"Llibre de comptes"}},
{81, 19, {u"Barras de título", u"Barras de título", u"Barres de titre", u"Titelleisten", u"Title bars", u"Barre del titolo", u"Barres de títol"}},
{81, 20, {u"El nombre del estilo está vacío o tiene más de 40 caracteres.", u"O nome do estilo está vazio ou tem mais de 40 caracteres.", u"Le nom du style est vide ou dépasse 40 caractères.", u"Der Name des Stils ist leer oder länger als 40 Zeichen.", u"The style name is empty or longer than 40 characters.", u"Il nome dello stile è vuoto o supera i 40 caratteri.", u"El nom de l'estil és buit o té més de 40 caràcters."}},
{81, 21, {u"Un nombre de estilo no puede empezar por un punto ni contener /, \\ o caracteres de control.", u"Um nome de estilo não pode começar com ponto nem conter /, \\ ou caracteres de controle.", u"Un nom de style ne peut commencer par un point ni contenir /, \\ ou des caractères de contrôle.", u"Ein Stilname darf nicht mit einem Punkt beginnen und kein /, \\ oder Steuerzeichen enthalten.", u"A style name cannot start with a dot or hold /, \\ or control characters.", u"Un nome di stile non può iniziare con un punto né contenere /, \\ o caratteri di controllo.", u"Un nom d'estil no pot començar amb un punt ni contenir /, \\ o caràcters de control."}},

{82, 1, {u"Versión ", u"Versão ", u"Version ", u"Version ", u"Version ", u"Versione ", u"Versió "}},
{82, 2, {u"Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior. Se ofrece sin ninguna garantía.", u"Software livre sob a Licença Pública Geral GNU, versão 3 ou posterior. É fornecido sem qualquer garantia.", u"Logiciel libre sous la Licence publique générale GNU, version 3 ou ultérieure. Il est fourni sans aucune garantie.", u"Freie Software unter der GNU General Public License, Version 3 oder später. Sie wird ohne jede Gewährleistung bereitgestellt.", u"Free software under the GNU General Public License, version 3 or later. It comes with no warranty.", u"Software libero sotto la GNU General Public License, versione 3 o successiva. È fornito senza alcuna garanzia.", u"Programari lliure sota la Llicència Pública General de GNU, versió 3 o posterior. S'ofereix sense cap garantia."}},

{84, 1, {u"Color según el valor…", u"Cor pelo valor…", u"Couleur selon la valeur…", u"Farbe nach Wert…", u"Colour by value…", u"Colore in base al valore…", u"Color segons el valor…"}},
{84, 2, {u"Escala de colores", u"Escala de cores", u"Échelle de couleurs", u"Farbskala", u"Colour scale", u"Scala di colori", u"Escala de colors"}},
{84, 3, {u"Regla", u"Regra", u"Règle", u"Regel", u"Rule", u"Regola", u"Regla"}},
{84, 4, {u"Mínimo", u"Mínimo", u"Minimum", u"Kleinster Wert", u"Lowest", u"Minimo", u"Mínim"}},
{84, 5, {u"Medio", u"Meio", u"Milieu", u"Mitte", u"Middle", u"Medio", u"Mig"}},
{84, 6, {u"Máximo", u"Máximo", u"Maximum", u"Größter Wert", u"Highest", u"Massimo", u"Màxim"}},
{84, 7, {u"Sin color medio", u"Sem cor do meio", u"Sans couleur du milieu", u"Ohne mittlere Farbe", u"No middle colour", u"Senza colore medio", u"Sense color del mig"}},
{84, 8, {u"En la mediana", u"Na mediana", u"À la médiane", u"Beim Median", u"At the median", u"Alla mediana", u"A la mediana"}},
{84, 9, {u"En el valor", u"No valor", u"À la valeur", u"Beim Wert", u"At the value", u"Al valore", u"Al valor"}},
{84, 10, {u"Mayor que", u"Maior que", u"Supérieur à", u"Größer als", u"Greater than", u"Maggiore di", u"Més gran que"}},
{84, 11, {u"Menor que", u"Menor que", u"Inférieur à", u"Kleiner als", u"Less than", u"Minore di", u"Més petit que"}},
{84, 12, {u"Entre", u"Entre", u"Entre", u"Zwischen", u"Between", u"Tra", u"Entre"}},
{84, 13, {u"Igual a", u"Igual a", u"Égal à", u"Gleich", u"Equal to", u"Uguale a", u"Igual a"}},
{84, 14, {u"y", u"e", u"et", u"und", u"and", u"e", u"i"}},
{84, 15, {u"Relleno", u"Preenchimento", u"Remplissage", u"Füllung", u"Fill", u"Riempimento", u"Emplenament"}},
{84, 16, {u"Color del texto", u"Cor do texto", u"Couleur du texte", u"Textfarbe", u"Text colour", u"Colore del testo", u"Color del text"}},
{84, 17, {u"Negro o blanco, el más legible", u"Preto ou branco, o mais legível", u"Noir ou blanc, le plus lisible", u"Schwarz oder Weiß, das besser lesbare", u"Black or white, whichever reads better", u"Nero o bianco, il più leggibile", u"Negre o blanc, el més llegible"}},
{84, 18, {u"Personalizada", u"Personalizada", u"Personnalisée", u"Eigene", u"Custom", u"Personalizzata", u"Personalitzada"}},
{84, 19, {u"Rojo – amarillo – verde", u"Vermelho – amarelo – verde", u"Rouge – jaune – vert", u"Rot – Gelb – Grün", u"Red – yellow – green", u"Rosso – giallo – verde", u"Vermell – groc – verd"}},
{84, 20, {u"Verde – amarillo – rojo", u"Verde – amarelo – vermelho", u"Vert – jaune – rouge", u"Grün – Gelb – Rot", u"Green – yellow – red", u"Verde – giallo – rosso", u"Verd – groc – vermell"}},
{84, 21, {u"Azul – blanco – rojo", u"Azul – branco – vermelho", u"Bleu – blanc – rouge", u"Blau – Weiß – Rot", u"Blue – white – red", u"Blu – bianco – rosso", u"Blau – blanc – vermell"}},
{84, 22, {u"Azul – naranja (apta para daltónicos)", u"Azul – laranja (adequada a daltônicos)", u"Bleu – orange (adaptée aux daltoniens)", u"Blau – Orange (für Farbenblinde)", u"Blue – orange (colour-blind safe)", u"Blu – arancione (adatta ai daltonici)", u"Blau – taronja (apta per a daltònics)"}},
{84, 23, {u"Viridis (apta para daltónicos)", u"Viridis (adequada a daltônicos)", u"Viridis (adaptée aux daltoniens)", u"Viridis (für Farbenblinde)", u"Viridis (colour-blind safe)", u"Viridis (adatta ai daltonici)", u"Viridis (apta per a daltònics)"}},
{84, 24, {u"No hay números que colorear: seleccione celdas con números.", u"Não há números para colorir: selecione células com números.", u"Aucun nombre à colorer : sélectionnez des cellules avec des nombres.", u"Keine Zahlen zum Einfärben: Zellen mit Zahlen auswählen.", u"No numbers to colour: select cells that hold numbers.", u"Nessun numero da colorare: selezionare celle con numeri.", u"No hi ha nombres per acolorir: seleccioneu cel·les amb nombres."}},
{84, 25, {u"Celdas coloreadas: ", u"Células coloridas: ", u"Cellules colorées : ", u"Gefärbte Zellen: ", u"Cells coloured: ", u"Celle colorate: ", u"Cel·les acolorides: "}},

{86, 1, {u"Ordenar…", u"Ordenar…", u"Trier…", u"Sortieren…", u"Sort…", u"Ordina…", u"Ordena…"}},
{86, 2, {u"Ordenar por", u"Ordenar por", u"Trier par", u"Sortieren nach", u"Sort by", u"Ordina per", u"Ordena per"}},
{86, 3, {u"Después por", u"Depois por", u"Puis par", u"Dann nach", u"Then by", u"Poi per", u"Després per"}},
{86, 4, {u"Ascendente", u"Crescente", u"Croissant", u"Aufsteigend", u"Ascending", u"Crescente", u"Ascendent"}},
{86, 5, {u"Descendente", u"Decrescente", u"Décroissant", u"Absteigend", u"Descending", u"Decrescente", u"Descendent"}},
{86, 6, {u"(ninguna)", u"(nenhuma)", u"(aucune)", u"(keine)", u"(none)", u"(nessuna)", u"(cap)"}},
{86, 7, {u"Columna ", u"Coluna ", u"Colonne ", u"Spalte ", u"Column ", u"Colonna ", u"Columna "}},
{86, 8, {u"La primera fila es un encabezado", u"A primeira linha é um cabeçalho", u"La première ligne est un en-tête", u"Die erste Zeile ist eine Kopfzeile", u"The first row is a header", u"La prima riga è un'intestazione", u"La primera fila és una capçalera"}},
{86, 9, {u"No se ordenó: un bloque unido ata filas que el orden separaría. Empieza en la columna ", u"Não foi ordenado: um bloco unido prende linhas que a ordenação separaria. Começa na coluna ", u"Rien n'a été trié : un bloc fusionné lie des lignes que le tri séparerait. Il commence à la colonne ", u"Nicht sortiert: ein verbundener Block hält Zeilen zusammen, die das Sortieren trennen würde. Er beginnt in Spalte ", u"Not sorted: a joined block ties rows that the sort would move apart. It starts at column ", u"Non ordinato: un blocco unito lega righe che l'ordinamento separerebbe. Inizia alla colonna ", u"No s'ha ordenat: un bloc unit lliga files que l'ordenació separaria. Comença a la columna "}},
{86, 10, {u", fila ", u", linha ", u", ligne ", u", Zeile ", u", row ", u", riga ", u", fila "}},
{86, 11, {u"No hay dos filas que ordenar.", u"Não há duas linhas para ordenar.", u"Il n'y a pas deux lignes à trier.", u"Es gibt keine zwei Zeilen zu sortieren.", u"There are not two rows to sort.", u"Non ci sono due righe da ordinare.", u"No hi ha dues files per ordenar."}},

{87, 1, {u"Buscar…", u"Localizar…", u"Rechercher…", u"Suchen…", u"Find…", u"Trova…", u"Cerca…"}},
{87, 2, {u"Reemplazar…", u"Substituir…", u"Remplacer…", u"Ersetzen…", u"Replace…", u"Sostituisci…", u"Substitueix…"}},
{87, 3, {u"Buscar siguiente", u"Localizar próxima", u"Suivant", u"Weitersuchen", u"Find next", u"Trova successivo", u"Cerca el següent"}},
{87, 4, {u"Buscar anterior", u"Localizar anterior", u"Précédent", u"Rückwärts suchen", u"Find previous", u"Trova precedente", u"Cerca l'anterior"}},
{87, 5, {u"Buscar:", u"Localizar:", u"Rechercher :", u"Suchen:", u"Find:", u"Trova:", u"Cerca:"}},
{87, 6, {u"Reemplazar por:", u"Substituir por:", u"Remplacer par :", u"Ersetzen durch:", u"Replace with:", u"Sostituisci con:", u"Substitueix per:"}},
{87, 7, {u"Mayúsculas y minúsculas", u"Diferenciar maiúsculas", u"Respecter la casse", u"Groß-/Kleinschreibung", u"Match case", u"Maiuscole/minuscole", u"Majúscules i minúscules"}},
{87, 8, {u"Solo la celda entera", u"Somente a célula inteira", u"Cellule entière seulement", u"Nur ganze Zelle", u"Whole cell only", u"Solo cella intera", u"Només la cel·la sencera"}},
{87, 9, {u"Reemplazar", u"Substituir", u"Remplacer", u"Ersetzen", u"Replace", u"Sostituisci", u"Substitueix"}},
{87, 10, {u"Reemplazar todo", u"Substituir tudo", u"Tout remplacer", u"Alle ersetzen", u"Replace all", u"Sostituisci tutto", u"Substitueix-ho tot"}},
{87, 11, {u"Busca los textos guardados: órdenes de series y números tal como se escribieron.", u"Procura os textos guardados: comandos de séries e números como foram digitados.", u"Cherche les textes enregistrés : commandes de séries et nombres tels que saisis.", u"Durchsucht die gespeicherten Texte: Reihenbefehle und Zahlen wie eingegeben.", u"Searches the stored texts: series commands and numbers as typed.", u"Cerca i testi memorizzati: comandi di serie e numeri come digitati.", u"Cerca els textos desats: ordres de sèries i nombres tal com s'han escrit."}},
{87, 12, {u"No encontrado: ", u"Não encontrado: ", u"Introuvable : ", u"Nicht gefunden: ", u"Not found: ", u"Non trovato: ", u"No s'ha trobat: "}},
{87, 13, {u"Celdas cambiadas: ", u"Células alteradas: ", u"Cellules modifiées : ", u"Geänderte Zellen: ", u"Cells changed: ", u"Celle modificate: ", u"Cel·les canviades: "}},
{87, 14, {u"Celdas sin cambiar, el texto nuevo pasaría de 273 caracteres: ", u"Células não alteradas, o novo texto passaria de 273 caracteres: ", u"Cellules laissées telles quelles, le nouveau texte dépasserait 273 caractères : ", u"Unveränderte Zellen, der neue Text wäre länger als 273 Zeichen: ", u"Cells left unchanged, the new text would be longer than 273 characters: ", u"Celle lasciate invariate, il nuovo testo supererebbe 273 caratteri: ", u"Cel·les sense canviar, el text nou passaria de 273 caràcters: "}},
{87, 15, {u"Cerrar", u"Fechar", u"Fermer", u"Schließen", u"Close", u"Chiudi", u"Tanca"}},

{90, 1, {u"Haga clic en un tamaño para empezar una tabla nueva", u"Clique em um tamanho para começar uma tabela nova", u"Cliquez sur une taille pour commencer un nouveau tableau", u"Klicken Sie auf eine Größe, um eine neue Tabelle zu beginnen", u"Click a size to start a new table", u"Fai clic su una dimensione per iniziare una nuova tabella", u"Feu clic en una mida per començar una taula nova"}},
};
// clang-format on

} // namespace

std::span<const MessageText> MessageTexts() {
    return kTexts;
}

std::span<const MessageGroup> MessageGroups() {
    return kGroups;
}
