<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="it_IT">
<context>
    <name>zrt::AboutPropertiesPage</name>
    <message>
        <source>Controlli di ZR Tellix 99: pulsanti piatti, pulsante a discesa, etichette di collegamento, separatori, display digitale e logo sfumato.</source>
        <translation>Controls of ZR Tellix 99: flat buttons, drop-down button, link labels, separators, digital display and gradient logo.</translation>
    </message>
    <message>
        <source>Versione 1.0</source>
        <translation>Version 1.0</translation>
    </message>
</context>
<context>
    <name>zrt::AssociationDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Modifica...</source>
        <translation>Change...</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Modifica associazione tariffa</source>
        <translation>Change the tariff of the connection</translation>
    </message>
    <message>
        <source>Fare click sulla tariffa da associare alla connessione</source>
        <translation>Click the tariff to give the connection</translation>
    </message>
    <message>
        <source>Le tariffe non si possono leggere dal file dei dati.</source>
        <translation>The tariffs cannot be read from the data file.</translation>
    </message>
    <message>
        <source>La tariffa di &quot;%1&quot; non è stata cambiata: non è possibile scrivere nel file dei dati.</source>
        <translation>The tariff of &quot;%1&quot; was not changed: the data file cannot be written.</translation>
    </message>
</context>
<context>
    <name>zrt::AssociationsPage</name>
    <message>
        <source>Connessione</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Tariffa</source>
        <translation>Tariff</translation>
    </message>
    <message>
        <source>Compagnia telefonica</source>
        <translation>Phone company</translation>
    </message>
    <message>
        <source>Selezionato:  %1</source>
        <translation>Selected:  %1</translation>
    </message>
    <message>
        <source>(tariffa mancante)</source>
        <translation>(tariff missing)</translation>
    </message>
    <message>
        <source>Modifica</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Per modificare la tariffa associata ad una connessione fare, selezionare la connessione desiderata con un click poi scegliere Modifica.</source>
        <translation>To change the tariff of a connection, click the connection, then choose Change.</translation>
    </message>
    <message>
        <source>Lista connessioni disponibili</source>
        <translation>Connections available</translation>
    </message>
    <message>
        <source>Modifica associazione tariffe</source>
        <translation>Change the tariff</translation>
    </message>
</context>
<context>
    <name>zrt::AutostartSwitch</name>
    <message>
        <source>Non è stato possibile impostare l&apos;avvio automatico di ZR Tellix 99 all&apos;accesso al desktop.</source>
        <translation>ZR Tellix 99 could not be set to start at desktop login.</translation>
    </message>
    <message>
        <source>ZR Tellix 99 continua a partire all&apos;accesso al desktop: l&apos;avvio automatico non si è potuto togliere.</source>
        <translation>ZR Tellix 99 still starts at desktop login: the automatic start could not be removed.</translation>
    </message>
</context>
<context>
    <name>zrt::BandCells</name>
    <message>
        <source>Inizio</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Durata (sec)</source>
        <translation>Length (sec)</translation>
    </message>
    <message>
        <source>Costo Scatto (*)</source>
        <translation>Pulse Price (*)</translation>
    </message>
    <message>
        <source>Costo al Min. fino al %1°(*)</source>
        <translation>Per Min. up to min. %1 (*)</translation>
    </message>
    <message>
        <source>Costo al Minuto (*)</source>
        <translation>Price per Minute (*)</translation>
    </message>
    <message>
        <source>Costo al Min. dopo il %1°(*)</source>
        <translation>Per Min. after min. %1 (*)</translation>
    </message>
    <message>
        <source>Costo Risposta (*)</source>
        <translation>Answer Charge (*)</translation>
    </message>
    <message>
        <source>Numero non valido: scrivere le cifre con la virgola per i decimali, per esempio 127 o 30,60.</source>
        <translation>Not a valid number: write the digits with a comma before the decimals, for example 127 or 30,60.</translation>
    </message>
    <message>
        <source>Orario non valido: scrivere l&apos;ora come HH:MM o HH:MM:SS, da 00:00 a 24:00.</source>
        <translation>Not a valid time: write it as HH:MM or HH:MM:SS, from 00:00 to 24:00.</translation>
    </message>
</context>
<context>
    <name>zrt::BandPage</name>
    <message>
        <source>Tariffe giorni FERIALI (lun-ven)</source>
        <translation>Tariffs for WEEKDAYS (Mon-Fri)</translation>
    </message>
    <message>
        <source>Tariffe giorni PREFESTIVI (sab)</source>
        <translation>Tariffs for SATURDAYS (Sat)</translation>
    </message>
    <message>
        <source>Tariffe giorni FESTIVI (dom)</source>
        <translation>Tariffs for HOLIDAYS (Sun)</translation>
    </message>
    <message>
        <source>ATTENZIONE: Inserire correttamente gli orari di inizio e di fine tariffa in modo di riempire l&apos;intero arco delle 24 ore.</source>
        <translation>WARNING: Enter the start and end times of the bands so that they fill all 24 hours of the day.</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>zrt::BandViewModel</name>
    <message>
        <source>Inizio</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Durata (sec)</source>
        <translation>Length (sec)</translation>
    </message>
    <message>
        <source>Costo Scatto (*)</source>
        <translation>Pulse Price (*)</translation>
    </message>
    <message>
        <source>Costo al Minuto (*)</source>
        <translation>Price per Minute (*)</translation>
    </message>
    <message>
        <source>Costo Risposta (*)</source>
        <translation>Answer Charge (*)</translation>
    </message>
</context>
<context>
    <name>zrt::ButtonPropertiesPage</name>
    <message>
        <source>Orizzontale</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Verticale</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Orizzontale 180 gradi</source>
        <translation>Horizontal 180 degrees</translation>
    </message>
    <message>
        <source>Verticale 180 gradi</source>
        <translation>Vertical 180 degrees</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Caption:</translation>
    </message>
    <message>
        <source>Direzione Caption</source>
        <translation>Caption Direction</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignment</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
</context>
<context>
    <name>zrt::CompanyPage</name>
    <message>
        <source>Nuova</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Scelta compagnia telefonica</source>
        <translation>Choice of the phone company</translation>
    </message>
    <message>
        <source>Compagnia Telefonica:</source>
        <translation>Phone Company:</translation>
    </message>
</context>
<context>
    <name>zrt::DatabaseErrorText</name>
    <message>
        <source>Il database è bloccato da un altro programma: riprovare tra poco.</source>
        <translation>The database is locked by another program: try again in a moment.</translation>
    </message>
    <message>
        <source>Il file dei dati non si può aprire, leggere o scrivere, oppure è danneggiato.</source>
        <translation>The data file cannot be opened, read or written, or it is damaged.</translation>
    </message>
</context>
<context>
    <name>zrt::DescriptionPage</name>
    <message>
        <source>Inserisci la descrizione della nuova tariffa (es. Tariffa Urbana)</source>
        <translation>Enter the description of the new tariff (e.g. Local Tariff)</translation>
    </message>
    <message>
        <source>Modifica la descrizione della tariffa</source>
        <translation>Change the description of the tariff</translation>
    </message>
</context>
<context>
    <name>zrt::GuideWindow</name>
    <message>
        <source>Guida di ZR Tellix 99</source>
        <translation>ZR Tellix 99 Guide</translation>
    </message>
    <message>
        <source>&lt; Indietro</source>
        <translation>&lt; Back</translation>
    </message>
    <message>
        <source>Avanti &gt;</source>
        <translation>Forward &gt;</translation>
    </message>
    <message>
        <source>Apri nel browser</source>
        <translation>Open in browser</translation>
    </message>
    <message>
        <source>&lt;p&gt;La guida non è installata: manca la pagina &lt;tt&gt;%1&lt;/tt&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;The guide is not installed: the page &lt;tt&gt;%1&lt;/tt&gt; is missing.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>zrt::IntroWindow</name>
    <message>
        <source>Il contascatti per l&apos;accesso a Internet</source>
        <translation>The cost meter for Internet access</translation>
    </message>
</context>
<context>
    <name>zrt::LogPage</name>
    <message>
        <source>Attendere Stampa in corso...</source>
        <translation>Please wait, printing...</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Ricalcola</source>
        <translation>Reprice</translation>
    </message>
    <message>
        <source>Calcola di nuovo la spesa delle connessioni del mese registrate senza tariffa, con le tariffe associate ora</source>
        <translation>Prices again the month&apos;s connections logged without a tariff, with the tariffs given now</translation>
    </message>
    <message>
        <source>Fare click su &lt; o &gt; dell&apos;anno o del mese per visualizzare le connessioni del periodo interessato.</source>
        <translation>Click &lt; or &gt; of the year or the month to show the connections of that period.</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Totale Spesa nel periodo:</source>
        <translation>Total cost in the period:</translation>
    </message>
    <message>
        <source>Le connessioni non sono state ricalcolate: il file delle tariffe non si può leggere o scrivere, oppure l&apos;aliquota IVA salvata non è valida.</source>
        <translation>The connections were not repriced: the tariff file cannot be read or written, or the stored VAT rate is not valid.</translation>
    </message>
    <message>
        <source>%1 connessioni ricalcolate, %2 ancora senza tariffa</source>
        <translation>%1 connections repriced, %2 still without a tariff</translation>
    </message>
    <message>
        <source>Il registro delle connessioni non si può leggere: la lista non è stata stampata.</source>
        <translation>The connection log cannot be read: the list was not printed.</translation>
    </message>
    <message>
        <source>Nessuna connessione in %1: niente da stampare.</source>
        <translation>No connections in %1: nothing to print.</translation>
    </message>
    <message>
        <source>La lista non è stata stampata: controllare che ci sia una stampante predefinita e che sia pronta, poi riprovare.</source>
        <translation>The list was not printed: check that there is a default printer and that it is ready, then try again.</translation>
    </message>
</context>
<context>
    <name>zrt::LogTableModel</name>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Ora Inizio</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>Ora Fine</source>
        <translation>End Time</translation>
    </message>
    <message>
        <source>Scatti</source>
        <translation>Pulses</translation>
    </message>
    <message>
        <source>Spesa</source>
        <translation>Cost</translation>
    </message>
    <message>
        <source>Connessione</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Servizio</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Traffico</source>
        <translation>Traffic</translation>
    </message>
    <message>
        <source>Ricevuti %1, inviati %2</source>
        <translation>Received %1, sent %2</translation>
    </message>
</context>
<context>
    <name>zrt::LogTotal</name>
    <message>
        <source>1 connessione senza tariffa</source>
        <translation>1 connection without a tariff</translation>
    </message>
    <message>
        <source>%1 connessioni senza tariffa</source>
        <translation>%1 connections without a tariff</translation>
    </message>
</context>
<context>
    <name>zrt::MainMenu</name>
    <message>
        <source>Euro</source>
        <translation>Euro</translation>
    </message>
    <message>
        <source>Lira</source>
        <translation>Lira</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>News Nevaro</source>
        <translation>Nevaro News</translation>
    </message>
    <message>
        <source>Chiudi connessione</source>
        <translation>Hang up</translation>
    </message>
    <message>
        <source>Chiudi ZR Tellix 99</source>
        <translation>Quit ZR Tellix 99</translation>
    </message>
    <message>
        <source>Guida</source>
        <translation>Guide</translation>
    </message>
</context>
<context>
    <name>zrt::MainWindow</name>
    <message>
        <source>Lire</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>News</source>
        <translation>News</translation>
    </message>
    <message>
        <source>Abilita/disabilita news Nevaro</source>
        <translation>Show/hide the Nevaro news</translation>
    </message>
    <message>
        <source>Non sono presenti connessioni di Accesso Remoto.</source>
        <translation>There are no dial-up connections.</translation>
    </message>
    <message>
        <source>Euri</source>
        <translation>Euro</translation>
    </message>
</context>
<context>
    <name>zrt::ManagementWindow</name>
    <message>
        <source>Avvio Automatico</source>
        <translation>Start at login</translation>
    </message>
    <message>
        <source>Setup ZR Tellix 99</source>
        <translation>ZR Tellix 99 Setup</translation>
    </message>
    <message>
        <source>Consente l&apos;avvio automatico di ZR Tellix 99 all&apos;accesso al desktop</source>
        <translation>Starts ZR Tellix 99 by itself at desktop login</translation>
    </message>
    <message>
        <source>Riduci ad icona Setup</source>
        <translation>Minimize Setup</translation>
    </message>
    <message>
        <source>Info ZR Tellix 99</source>
        <translation>About ZR Tellix 99</translation>
    </message>
    <message>
        <source>Chiudi Setup</source>
        <translation>Close Setup</translation>
    </message>
</context>
<context>
    <name>zrt::MonitorDisplay</name>
    <message>
        <source>Non connesso</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>Connessione attiva %1</source>
        <translation>Connected %1</translation>
    </message>
    <message>
        <source>Tariffa mancante per %1</source>
        <translation>No tariff for %1</translation>
    </message>
    <message>
        <source>Tempo: %1</source>
        <translation>Time: %1</translation>
    </message>
    <message>
        <source>Limite di spesa mensile: superato il 100% (%1 di %2 Lire)</source>
        <translation>Monthly spending limit: over 100% (%1 of %2 Lire)</translation>
    </message>
    <message>
        <source>Limite di spesa mensile: superato l&apos;80% (%1 di %2 Lire)</source>
        <translation>Monthly spending limit: over 80% (%1 of %2 Lire)</translation>
    </message>
</context>
<context>
    <name>zrt::MonthBarChart</name>
    <message>
        <source>sconosciuto</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
</context>
<context>
    <name>zrt::MonthNames</name>
    <message>
        <source>Gennaio</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Febbraio</source>
        <translation>February</translation>
    </message>
    <message>
        <source>Marzo</source>
        <translation>March</translation>
    </message>
    <message>
        <source>Aprile</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Maggio</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Giugno</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Luglio</source>
        <translation>July</translation>
    </message>
    <message>
        <source>Agosto</source>
        <translation>August</translation>
    </message>
    <message>
        <source>Settembre</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Ottobre</source>
        <translation>October</translation>
    </message>
    <message>
        <source>Novembre</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Dicembre</source>
        <translation>December</translation>
    </message>
</context>
<context>
    <name>zrt::NewCompanyPanel</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Minuto</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Scatto</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Tipo tariffazione</source>
        <translation>Charged by</translation>
    </message>
    <message>
        <source>Inserisci le informazioni della nuova compagnia telefonica</source>
        <translation>Enter the details of the new phone company</translation>
    </message>
</context>
<context>
    <name>zrt::NewsPanel</name>
    <message>
        <source>Nessuna notizia disponibile.</source>
        <translation>No news available.</translation>
    </message>
</context>
<context>
    <name>zrt::OptionsPage</name>
    <message>
        <source>solo la pagina locale</source>
        <translation>the local page only</translation>
    </message>
    <message>
        <source>Nome di un sito (es. www.esempio.it) o indirizzo http:// o https:// della pagina di notizie mostrata sotto la barra durante le connessioni. Vuoto: solo la pagina locale news.htm.</source>
        <translation>A site name (e.g. www.example.com) or the http:// or https:// address of the news page shown below the strip during connections. Empty: the local page news.htm only.</translation>
    </message>
    <message>
        <source>Indirizzo notizie</source>
        <translation>News address</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un indirizzo di notizie: scrivere il nome di un sito o un indirizzo che inizia con http:// o https://.</source>
        <translation>&quot;%1&quot; is not a news address: enter a site name or an address beginning with http:// or https://.</translation>
    </message>
    <message>
        <source>nessun limite</source>
        <translation>no limit</translation>
    </message>
    <message>
        <source>Limite di spesa mensile (Lire)</source>
        <translation>Monthly spending limit (Lire)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un limite di spesa: scrivere un numero intero di Lire da 1 a 1.000.000.000.000, o niente per nessun limite.</source>
        <translation>&quot;%1&quot; is not a spending limit: write a whole number of Lire from 1 to 1.000.000.000.000, or nothing for no limit.</translation>
    </message>
    <message>
        <source>Il limite di spesa non è stato cambiato.</source>
        <translation>The spending limit was not changed.</translation>
    </message>
</context>
<context>
    <name>zrt::ProblemText</name>
    <message>
        <source>La fascia %1 non dura nulla</source>
        <translation>The band %1 has no length</translation>
    </message>
    <message>
        <source>La fascia %1 finisce prima di iniziare</source>
        <translation>The band %1 ends before it starts</translation>
    </message>
    <message>
        <source>Manca la fascia dalle %1 alle %2</source>
        <translation>No band from %1 to %2</translation>
    </message>
    <message>
        <source>Le fasce si sovrappongono dalle %1 alle %2</source>
        <translation>The bands overlap from %1 to %2</translation>
    </message>
    <message>
        <source>Feriali: %1</source>
        <translation>Weekdays: %1</translation>
    </message>
    <message>
        <source>Prefestivi: %1</source>
        <translation>Saturdays: %1</translation>
    </message>
    <message>
        <source>Festivi: %1</source>
        <translation>Holidays: %1</translation>
    </message>
    <message>
        <source>Manca la durata dello scatto nella fascia %1</source>
        <translation>The pulse length is missing in the band %1</translation>
    </message>
    <message>
        <source>Manca il costo alla risposta nella fascia %1</source>
        <translation>The answer charge is missing in the band %1</translation>
    </message>
    <message>
        <source>Manca il costo nella fascia %1</source>
        <translation>The price is missing in the band %1</translation>
    </message>
    <message>
        <source>Durata dello scatto non valida: %1 (%2) nella fascia %3</source>
        <translation>Pulse length not valid: %1 (%2) in the band %3</translation>
    </message>
    <message>
        <source>Minuto di riduzione non valido: %1 (%2) nella fascia %3</source>
        <translation>Reduction minute not valid: %1 (%2) in the band %3</translation>
    </message>
    <message>
        <source>Costo alla risposta non valido: %1 (%2) nella fascia %3</source>
        <translation>Answer charge not valid: %1 (%2) in the band %3</translation>
    </message>
    <message>
        <source>Costo dopo il minuto di riduzione non valido: %1 (%2) nella fascia %3</source>
        <translation>Price after the reduction minute not valid: %1 (%2) in the band %3</translation>
    </message>
    <message>
        <source>Costo non valido: %1 (%2) nella fascia %3</source>
        <translation>Price not valid: %1 (%2) in the band %3</translation>
    </message>
    <message numerus="yes">
        <source>almeno %n secondo</source>
        <translation>
            <numerusform>at least %n second</numerusform>
            <numerusform>at least %n seconds</numerusform>
        </translation>
    </message>
    <message>
        <source>al massimo %1 secondi</source>
        <translation>at most %1 seconds</translation>
    </message>
    <message>
        <source>un minuto intero</source>
        <translation>a whole minute</translation>
    </message>
    <message>
        <source>almeno %1</source>
        <translation>at least %1</translation>
    </message>
    <message>
        <source>al massimo %1</source>
        <translation>at most %1</translation>
    </message>
    <message>
        <source>almeno %1 Lire</source>
        <translation>at least %1 Lire</translation>
    </message>
    <message>
        <source>al massimo %1 Lire</source>
        <translation>at most %1 Lire</translation>
    </message>
</context>
<context>
    <name>zrt::ReductionMinuteBox</name>
    <message>
        <source>Riduzione dopo il</source>
        <translation>Reduction after</translation>
    </message>
    <message>
        <source>° min</source>
        <translation>min</translation>
    </message>
</context>
<context>
    <name>zrt::SetupPage</name>
    <message>
        <source>Lista Connessioni</source>
        <translation>Connection List</translation>
    </message>
    <message>
        <source>Setup Connessioni</source>
        <translation>Connection Setup</translation>
    </message>
    <message>
        <source>Setup Tariffe</source>
        <translation>Tariff Setup</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Info ZR Tellix 99</source>
        <translation>About ZR Tellix 99</translation>
    </message>
    <message>
        <source>Opzioni</source>
        <translation>Options</translation>
    </message>
</context>
<context>
    <name>zrt::StartUp</name>
    <message>
        <source>ZR Tellix 99 non può partire: il database delle tariffe %1 non è utilizzabile.

%2</source>
        <translation>ZR Tellix 99 cannot start: the tariff database %1 cannot be used.

%2</translation>
    </message>
</context>
<context>
    <name>zrt::StatisticsCharts</name>
    <message>
        <source>%1 Lire</source>
        <translation>%1 Lire</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>1 chiamata</source>
        <translation>1 call</translation>
    </message>
    <message>
        <source>%1 chiamate</source>
        <translation>%1 calls</translation>
    </message>
    <message>
        <source>Spesa</source>
        <translation>Cost</translation>
    </message>
    <message>
        <source>Lire</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Durata</source>
        <translation>Time online</translation>
    </message>
    <message>
        <source>Ore</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Chiamate</source>
        <translation>Calls</translation>
    </message>
    <message>
        <source>Traffico</source>
        <translation>Traffic</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Ricevuti</source>
        <translation>Received</translation>
    </message>
    <message>
        <source>Inviati</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>%1 Euro</source>
        <translation>%1 euros</translation>
    </message>
    <message>
        <source>Euro</source>
        <translation>Euros</translation>
    </message>
</context>
<context>
    <name>zrt::StatisticsPage</name>
    <message>
        <source>Chiamate</source>
        <translation>Calls</translation>
    </message>
    <message>
        <source>Durata</source>
        <translation>Time online</translation>
    </message>
    <message>
        <source>Spesa</source>
        <translation>Cost</translation>
    </message>
    <message>
        <source>Senza costo</source>
        <translation>Without a cost</translation>
    </message>
    <message>
        <source>Feriali</source>
        <translation>Weekdays</translation>
    </message>
    <message>
        <source>Prefestivi</source>
        <translation>Days before holidays</translation>
    </message>
    <message>
        <source>Festivi</source>
        <translation>Holidays</translation>
    </message>
    <message>
        <source>Il registro delle connessioni non si può leggere.</source>
        <translation>The connection log cannot be read.</translation>
    </message>
    <message>
        <source>Mese</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Totale per</source>
        <translation>Total by</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Tabella</source>
        <translation>Table</translation>
    </message>
</context>
<context>
    <name>zrt::TariffEditor</name>
    <message>
        <source>&lt; Indietro</source>
        <translation>&lt; Back</translation>
    </message>
    <message>
        <source>Avanti &gt;</source>
        <translation>Next &gt;</translation>
    </message>
    <message>
        <source>Crea tariffa...</source>
        <translation>Create tariff...</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Non è possibile leggere la tariffa dal file dei dati.</source>
        <translation>The tariff cannot be read from the data file.</translation>
    </message>
    <message>
        <source>La tariffa non esiste più.</source>
        <translation>The tariff no longer exists.</translation>
    </message>
    <message>
        <source>Modifica tariffa...</source>
        <translation>Change tariff...</translation>
    </message>
    <message>
        <source>Non è possibile leggere le compagnie telefoniche dal file dei dati.</source>
        <translation>The phone companies cannot be read from the data file.</translation>
    </message>
    <message>
        <source>Esiste già una compagnia telefonica di nome &quot;%1&quot;.</source>
        <translation>There is already a phone company named &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>La compagnia &quot;%1&quot; ha già una tariffa &quot;%2&quot;.</source>
        <translation>The company &quot;%1&quot; already has a tariff &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>La tariffa non può essere salvata finché ha questi problemi:

%1</source>
        <translation>The tariff cannot be saved while it has these problems:

%1</translation>
    </message>
    <message>
        <source>La tariffa non è stata salvata: non è possibile scrivere nel file dei dati. Nulla è stato cambiato.</source>
        <translation>The tariff was not saved: the data file cannot be written. Nothing was changed.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>zrt::TariffListModel</name>
    <message>
        <source>Compagnia Telefonica</source>
        <translation>Phone Company</translation>
    </message>
    <message>
        <source>Tariffa</source>
        <translation>Tariff</translation>
    </message>
    <message>
        <source>Questa tariffa ha dei problemi:
%1</source>
        <translation>This tariff has problems:
%1</translation>
    </message>
</context>
<context>
    <name>zrt::TariffRemoval</name>
    <message>
        <source>La tariffa non è stata eliminata: non è possibile scrivere nel file dei dati.</source>
        <translation>The tariff was not deleted: the data file cannot be written.</translation>
    </message>
    <message>
        <source>Eliminare la tariffa &quot;%1&quot; di %2?</source>
        <translation>Delete the tariff &quot;%1&quot; of %2?</translation>
    </message>
    <message>
        <source>La compagnia %1 non ha altre tariffe e sarà eliminata con essa.</source>
        <translation>The company %1 has no other tariff and will be deleted with it.</translation>
    </message>
    <message>
        <source>Elimina tariffa</source>
        <translation>Delete tariff</translation>
    </message>
    <message>
        <source>La tariffa &quot;%1&quot; non si può eliminare: è quella che riceve ogni nuova connessione.</source>
        <translation>The tariff &quot;%1&quot; cannot be deleted: every new connection is given it.</translation>
    </message>
    <message>
        <source>La tariffa &quot;%1&quot; non si può eliminare finché queste connessioni la usano:
%2</source>
        <translation>The tariff &quot;%1&quot; cannot be deleted while these connections use it:
%2</translation>
    </message>
</context>
<context>
    <name>zrt::TariffUpdateOffer</name>
    <message>
        <source>Le nuove tariffe non possono essere inserite: il file di aggiornamento non è utilizzabile.</source>
        <translation>The new tariffs cannot be added: the update file cannot be used.</translation>
    </message>
    <message>
        <source>Le nuove tariffe sono state inserite, ma il file %1 non può essere eliminato. Eliminarlo a mano, altrimenti l&apos;aggiornamento verrà proposto di nuovo.</source>
        <translation>The new tariffs were added, but the file %1 cannot be deleted. Delete it by hand, or the update will be offered again.</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Sono state trovate delle nuove tariffe da inserire nel database, procedere all&apos;aggiornamento automatico?</source>
        <translation>New tariffs were found to add to the database. Update it now?</translation>
    </message>
    <message>
        <source>L&apos;aggiornamento delle tariffe non è riuscito e il database è rimasto com&apos;era. Verrà proposto di nuovo al prossimo avvio.

%1</source>
        <translation>The tariff update failed and the database was left as it was. It will be offered again at the next start.

%1</translation>
    </message>
</context>
<context>
    <name>zrt::TariffsPage</name>
    <message>
        <source>Tariffa feriale (Lun-Ven)</source>
        <translation>Weekday tariff (Mon-Fri)</translation>
    </message>
    <message>
        <source>Tariffa prefestiva (Sab)</source>
        <translation>Saturday tariff (Sat)</translation>
    </message>
    <message>
        <source>Tariffa festiva (Dom)</source>
        <translation>Holiday tariff (Sun)</translation>
    </message>
    <message>
        <source>Le fasce di questa tariffa non si possono leggere.</source>
        <translation>The bands of this tariff cannot be read.</translation>
    </message>
    <message>
        <source>Aggiungi ...</source>
        <translation>Add ...</translation>
    </message>
    <message>
        <source>Modifica ...</source>
        <translation>Change ...</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>(*) Le tariffe sono iva escluse</source>
        <translation>(*) Prices exclude VAT</translation>
    </message>
    <message>
        <source>Il minuto di riduzione non è stato salvato: non è possibile scrivere nel file dei dati.</source>
        <translation>The reduction minute was not saved: the data file cannot be written.</translation>
    </message>
</context>
<context>
    <name>zrt::VatEditor</name>
    <message>
        <source>Modifica</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>I.V.A.</source>
        <translation>VAT</translation>
    </message>
    <message>
        <source>L&apos;aliquota IVA salvata non si può leggere o non è valida: finché non viene impostata con &quot;Modifica&quot;, le spese non possono essere calcolate.</source>
        <translation>The stored VAT rate cannot be read or is not valid: until it is set with &quot;Change&quot;, no cost can be worked out.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un&apos;aliquota IVA: scrivere un numero intero da 0 a 100.</source>
        <translation>&quot;%1&quot; is not a VAT rate: write a whole number from 0 to 100.</translation>
    </message>
    <message>
        <source>L&apos;aliquota IVA non è stata salvata: il file delle tariffe non si può scrivere. Riprovare più tardi.</source>
        <translation>The VAT rate was not saved: the tariff file cannot be written. Try again later.</translation>
    </message>
</context>
<context>
    <name>zrt::WindowedProgram</name>
    <message>
        <source>ZR Tellix 99 non può partire: manca la cartella dei dati.

%1</source>
        <translation>ZR Tellix 99 cannot start: the data folder is missing.

%1</translation>
    </message>
    <message>
        <source>ZR Tellix 99 non può partire: il tipo di accesso remoto &quot;%1&quot; scelto con --dialup non esiste.</source>
        <translation>ZR Tellix 99 cannot start: there is no dial-up kind &quot;%1&quot; for --dialup.</translation>
    </message>
</context>
<context>
    <name>zrt::app::HeadlessProgram</name>
    <message>
        <source>%1 è bloccato da un altro programma: nuovo tentativo tra %2 s</source>
        <translation>%1 is locked by another program; trying again in %2 s</translation>
    </message>
    <message>
        <source>Non sono presenti connessioni di Accesso Remoto.</source>
        <translation>There are no dial-up connections.</translation>
    </message>
    <message>
        <source>alle connessioni non è stata associata una tariffa: %1</source>
        <translation>the dial-up entries were not given a tariff: %1</translation>
    </message>
    <message>
        <source>un altro contascatti è già in funzione su %1</source>
        <translation>another meter is already running on %1</translation>
    </message>
    <message>
        <source>nessuno schermo su cui mostrare le finestre: si continua senza</source>
        <translation>no display to show windows on; running headless</translation>
    </message>
</context>
<context>
    <name>zrt::app::StatusLine</name>
    <message>
        <source>%1 Lire</source>
        <translation>%1 Lire</translation>
    </message>
    <message>
        <source>tariffa mancante</source>
        <translation>no tariff</translation>
    </message>
</context>
</TS>
