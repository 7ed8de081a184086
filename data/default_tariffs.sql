-- The tariffs shipped with ZR Tellix 99.
-- Prices are Lire without VAT; times are HH:MM:SS and 24:00:00 ends a day.
-- Every day type of every tariff is covered from 00:00:00 to 24:00:00.

-- Tariff 1: the incumbent's urban tariff of 2000-2001, charged per minute.
-- Answer charge 100 Lire. Full rate on weekdays 08:00-18:30 and on
-- Saturdays 08:00-13:00: 30.60 Lire a minute for the first 15 minutes,
-- then 27.60. Reduced rate at all other times and all day on holidays:
-- 17.70, then 15.90.
INSERT INTO "Compagnie Telefoniche" (id_compagnia, Compagnia, tipotariffazione)
    VALUES (1, 'Telecom Italia', 'Minuto');
INSERT INTO Tariffe (id_Tariffa, id_compagnia, Descrizione)
    VALUES (1, 1, 'Urbana 2000');
INSERT INTO Fasce (id_compagnia, id_Tariffa, tipo, Inizio, Fine, Durata, Costo, SecondoCosto, CostoAllaRisposta) VALUES
    (1, 1, 'FER', '00:00:00', '08:00:00', 15, 17.70, 15.90, 100),
    (1, 1, 'FER', '08:00:00', '18:30:00', 15, 30.60, 27.60, 100),
    (1, 1, 'FER', '18:30:00', '24:00:00', 15, 17.70, 15.90, 100),
    (1, 1, 'PRE', '00:00:00', '08:00:00', 15, 17.70, 15.90, 100),
    (1, 1, 'PRE', '08:00:00', '13:00:00', 15, 30.60, 27.60, 100),
    (1, 1, 'PRE', '13:00:00', '24:00:00', 15, 17.70, 15.90, 100),
    (1, 1, 'FES', '00:00:00', '24:00:00', 15, 17.70, 15.90, 100);

-- Tariff 2: an urban tariff of the late 1990s, metered in pulses of
-- 127 Lire: one at answer, then one every 180 s at full rate and every
-- 340 s at reduced rate, with the same hours as above.
INSERT INTO "Compagnie Telefoniche" (id_compagnia, Compagnia, tipotariffazione)
    VALUES (2, 'Telecom Italia 1998', 'Scatto');
INSERT INTO Tariffe (id_Tariffa, id_compagnia, Descrizione)
    VALUES (2, 2, 'Urbana a scatti');
INSERT INTO Fasce (id_compagnia, id_Tariffa, tipo, Inizio, Fine, Durata, Costo, SecondoCosto, CostoAllaRisposta) VALUES
    (2, 2, 'FER', '00:00:00', '08:00:00', 340, 127, NULL, 127),
    (2, 2, 'FER', '08:00:00', '18:30:00', 180, 127, NULL, 127),
    (2, 2, 'FER', '18:30:00', '24:00:00', 340, 127, NULL, 127),
    (2, 2, 'PRE', '00:00:00', '08:00:00', 340, 127, NULL, 127),
    (2, 2, 'PRE', '08:00:00', '13:00:00', 180, 127, NULL, 127),
    (2, 2, 'PRE', '13:00:00', '24:00:00', 340, 127, NULL, 127),
    (2, 2, 'FES', '00:00:00', '24:00:00', 340, 127, NULL, 127);

INSERT INTO IVA (iva) VALUES (20);
