-- The case database: one table per waterway kind, one row per stored case.
-- Teller numbers the cases in the order they were added and is never reused.
-- Date holds an ISO date (yyyy-MM-dd). Every other column is text, so a value
-- typed as "32.20" is stored and comes back as "32.20".

CREATE TABLE DepthRest (
    Teller INTEGER PRIMARY KEY AUTOINCREMENT,
    Date TEXT,
    Place TEXT CHECK (length(Place) <= 50),
    Author TEXT CHECK (length(Author) <= 30),
    Other TEXT,
    TA TEXT,
    TF TEXT,
    B2 TEXT,
    CB TEXT,
    SS TEXT,
    K TEXT,
    H TEXT
);

CREATE TABLE CanalCond (
    Teller INTEGER PRIMARY KEY AUTOINCREMENT,
    Date TEXT,
    Place TEXT CHECK (length(Place) <= 50),
    Author TEXT CHECK (length(Author) <= 30),
    Other TEXT,
    TA TEXT,
    TF TEXT,
    B2 TEXT,
    CB TEXT,
    SS TEXT,
    K TEXT,
    W TEXT,
    H TEXT
);

CREATE TABLE ChannCon (
    Teller INTEGER PRIMARY KEY AUTOINCREMENT,
    Date TEXT,
    Place TEXT CHECK (length(Place) <= 50),
    Author TEXT CHECK (length(Author) <= 30),
    Other TEXT,
    TA TEXT,
    TF TEXT,
    B2 TEXT,
    CB TEXT,
    SS TEXT,
    K TEXT,
    W TEXT,
    H TEXT,
    HB TEXT
);
