<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_GB">
<context>
    <name>zrt::PrintDestination</name>
    <message>
        <source>No connections in %1: nothing to print.</source>
        <translation>Nessuna connessione in %1: niente da stampare.</translation>
    </message>
    <message>
        <source>No printer is set up: add a default printer, or print to a PDF file.</source>
        <translation>Non è impostata nessuna stampante: aggiungere una stampante predefinita, o stampare in un file PDF.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot start printing.</source>
        <translation>La stampante &quot;%1&quot; non riesce a iniziare la stampa.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused a new page; the job was cancelled.</source>
        <translation>La stampante &quot;%1&quot; ha rifiutato una nuova pagina; la stampa è stata annullata.</translation>
    </message>
    <message>
        <source>Sent to the printer &quot;%1&quot;.</source>
        <translation>Inviato alla stampante &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1: cannot write the file: %2</source>
        <translation>%1: il file non si può scrivere: %2</translation>
    </message>
    <message>
        <source>%1: cannot start the PDF document.</source>
        <translation>%1: il documento PDF non si può iniziare.</translation>
    </message>
    <message>
        <source>%1: a new page could not be started; nothing was written.</source>
        <translation>%1: non è stato possibile iniziare una nuova pagina; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1: cannot save the file: %2</source>
        <translation>%1: il file non si può salvare: %2</translation>
    </message>
    <message>
        <source>Written to %1.</source>
        <translation>Scritto in %1.</translation>
    </message>
</context>
<context>
    <name>zrt::cli::ToolText</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;opzione %1 vuole un valore</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>expected %1 argument(s), got %2</source>
        <translation>attesi %1 argomenti, ricevuti %2</translation>
    </message>
    <message>
        <source>option --%1 is required</source>
        <translation>l&apos;opzione --%1 è obbligatoria</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from %2 to %3</source>
        <translation>--%1 deve essere un numero intero da %2 a %3</translation>
    </message>
    <message>
        <source>weekday (FER)</source>
        <translation>feriale (FER)</translation>
    </message>
    <message>
        <source>Saturday (PRE)</source>
        <translation>prefestivo (PRE)</translation>
    </message>
    <message>
        <source>holiday (FES)</source>
        <translation>festivo (FES)</translation>
    </message>
    <message>
        <source>a pulse length</source>
        <translation>una durata dello scatto</translation>
    </message>
    <message>
        <source>a reduction minute</source>
        <translation>un minuto di riduzione</translation>
    </message>
    <message>
        <source>an answer charge</source>
        <translation>un costo alla risposta</translation>
    </message>
    <message>
        <source>a second price</source>
        <translation>un secondo costo</translation>
    </message>
    <message>
        <source>a price</source>
        <translation>un costo</translation>
    </message>
    <message>
        <source>%1 has %2 of %3%4 (allowed: %5%6 to %7)</source>
        <translation>%1 ha %2 di %3%4 (ammessi: %5da %6 a %7)</translation>
    </message>
    <message>
        <source>whole numbers </source>
        <translation>numeri interi </translation>
    </message>
    <message>
        <source>the %1 band %2-%3</source>
        <translation>la fascia di tipo %1 %2-%3</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 non dura nulla</translation>
    </message>
    <message>
        <source>%1 ends before it starts</source>
        <translation>%1 finisce prima di iniziare</translation>
    </message>
    <message>
        <source>no %1 band from %2 to %3</source>
        <translation>manca la fascia di tipo %1 dalle %2 alle %3</translation>
    </message>
    <message>
        <source>%1 bands overlap from %2 to %3</source>
        <translation>le fasce di tipo %1 si sovrappongono dalle %2 alle %3</translation>
    </message>
    <message>
        <source>its bands cannot be read: %1</source>
        <translation>le sue fasce non si possono leggere: %1</translation>
    </message>
    <message>
        <source>1 connection without a tariff</source>
        <translation>1 connessione senza tariffa</translation>
    </message>
    <message>
        <source>%1 connections without a tariff</source>
        <translation>%1 connessioni senza tariffa</translation>
    </message>
    <message>
        <source>%1 connections repriced, %2 still without a tariff</source>
        <translation>%1 connessioni ricalcolate, %2 ancora senza tariffa</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nessun comando</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando sconosciuto &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 must be &quot;YYYY-MM-DD HH:MM:SS&quot;</source>
        <translation>--%1 deve essere &quot;AAAA-MM-GG HH:MM:SS&quot;</translation>
    </message>
    <message>
        <source>Created %1 (empty)</source>
        <translation>Creato %1 (vuoto)</translation>
    </message>
    <message>
        <source>Created %1 with the default tariffs</source>
        <translation>Creato %1 con le tariffe predefinite</translation>
    </message>
    <message>
        <source>the date must be a real date written YYYY-MM-DD</source>
        <translation>la data deve essere una data vera scritta AAAA-MM-GG</translation>
    </message>
    <message>
        <source>No band in force for &quot;%1&quot; at %2</source>
        <translation>Nessuna fascia in vigore per &quot;%1&quot; alle %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not associated with any tariff</source>
        <translation>&quot;%1&quot; non ha nessuna tariffa associata</translation>
    </message>
    <message>
        <source>tariff %1 of &quot;%2&quot; has no usable band to charge by</source>
        <translation>la tariffa %1 di &quot;%2&quot; non ha fasce utilizzabili per il calcolo</translation>
    </message>
    <message>
        <source>Wrote %1: &quot;%2&quot;, %3 tariff(s), %4 band(s)</source>
        <translation>Scritto %1: &quot;%2&quot;, %3 tariffe, %4 fasce</translation>
    </message>
    <message>
        <source>--csv and --json cannot be given together</source>
        <translation>--csv e --json non si possono dare insieme</translation>
    </message>
    <message>
        <source>limit takes either --set LIRE or --clear</source>
        <translation>limit vuole --set LIRE oppure --clear</translation>
    </message>
    <message>
        <source>No monthly spending limit</source>
        <translation>Nessun limite di spesa mensile</translation>
    </message>
    <message>
        <source>--set takes a whole number of Lire</source>
        <translation>--set vuole un numero intero di Lire</translation>
    </message>
    <message>
        <source>Monthly spending limit: %1 Lire</source>
        <translation>Limite di spesa mensile: %1 Lire</translation>
    </message>
    <message>
        <source>Usage: zrtellixctl COMMAND [OPTIONS]

Commands:
  init --db FILE [--empty]          create a database (with the default tariffs,
                                    or with --empty only the VAT rate of 20)
  daytype YYYY-MM-DD                print the day type: FER, PRE or FES
  band [--db FILE] --entry NAME --at &quot;YYYY-MM-DD HH:MM:SS&quot;
                                    print the band in force for a dial-up entry
  cost [--db FILE] --entry NAME --start &quot;YYYY-MM-DD HH:MM:SS&quot; --seconds N
                                    price a connection; prints one JSON object
  tariffs [--db FILE]               list companies, tariffs and bands
  check [--db FILE]                 list the problems of every tariff: bands that
                                    leave time uncovered, overlap or run backwards,
                                    numbers out of bounds; exit status 1 if any
  log [--db FILE] --year Y --month M [--csv | --json]
                                    list a month&apos;s connections and their total
  stats [--db FILE] --year Y [--json]
                                    sum a year&apos;s connections by month, by entry
                                    and by day type
  reprice [--db FILE] --year Y --month M
                                    price again the month&apos;s connections logged
                                    without a tariff, with the tariffs of now
  status [--db FILE] [--json]       show the database in use, this month&apos;s total
                                    and how much of the spending limit it used
  limit [--db FILE] --set LIRE | --clear
                                    set or remove the monthly spending limit
  print [--db FILE] --year Y --month M [--pdf FILE]
                                    print a month&apos;s connections on the default
                                    printer, or write them to a PDF file
  export-update [--db FILE] --company NAME --out FILE
                                    write an update file (telecom.mdb) holding one
                                    company with its tariffs and bands

Without --db the database of the data folder is used: $ZRTELLIX_DATA_DIR,
else the program&apos;s own folder when it holds zrtell.T99, else
$XDG_DATA_HOME/zrtellix (~/.local/share/zrtellix).
Exit status: 0 done, 1 failed (message on stderr), 2 bad arguments.
</source>
        <translation>Uso: zrtellixctl COMANDO [OPZIONI]

Comandi:
  init --db FILE [--empty]          crea un database (con le tariffe predefinite,
                                    o con --empty solo l&apos;aliquota IVA del 20)
  daytype AAAA-MM-GG                stampa il tipo di giorno: FER, PRE o FES
  band [--db FILE] --entry NOME --at &quot;AAAA-MM-GG HH:MM:SS&quot;
                                    stampa la fascia in vigore per una connessione
  cost [--db FILE] --entry NOME --start &quot;AAAA-MM-GG HH:MM:SS&quot; --seconds N
                                    calcola il costo di una connessione; stampa un
                                    oggetto JSON
  tariffs [--db FILE]               elenca compagnie, tariffe e fasce
  check [--db FILE]                 elenca i problemi di ogni tariffa: fasce che
                                    lasciano ore scoperte, si sovrappongono o vanno
                                    all&apos;indietro, numeri fuori dai limiti; stato di
                                    uscita 1 se ce ne sono
  log [--db FILE] --year A --month M [--csv | --json]
                                    elenca le connessioni di un mese e il totale
  stats [--db FILE] --year A [--json]
                                    somma le connessioni di un anno per mese, per
                                    connessione e per tipo di giorno
  reprice [--db FILE] --year A --month M
                                    calcola di nuovo le connessioni del mese
                                    registrate senza tariffa, con le tariffe di ora
  status [--db FILE] [--json]       mostra il database in uso, il totale del mese
                                    e quanto ha usato del limite di spesa
  limit [--db FILE] --set LIRE | --clear
                                    imposta o toglie il limite di spesa mensile
  print [--db FILE] --year A --month M [--pdf FILE]
                                    stampa le connessioni di un mese sulla stampante
                                    predefinita, o le scrive in un file PDF
  export-update [--db FILE] --company NOME --out FILE
                                    scrive un file di aggiornamento (telecom.mdb) con
                                    una compagnia, le sue tariffe e le sue fasce

Senza --db si usa il database della cartella dei dati: $ZRTELLIX_DATA_DIR,
altrimenti la cartella del programma se contiene zrtell.T99, altrimenti
$XDG_DATA_HOME/zrtellix (~/.local/share/zrtellix).
Stato di uscita: 0 fatto, 1 non riuscito (messaggio su stderr), 2 argomenti errati.
</translation>
    </message>
</context>
</TS>
