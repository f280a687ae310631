CREATE TABLE parameters (
    id INTEGER PRIMARY KEY,
    access INTEGER NOT NULL,
    operation INTEGER NOT NULL,
    physic INTEGER NOT NULL,
    unitOut INTEGER NOT NULL,
    mask TEXT NOT NULL,
    discret INTEGER NOT NULL
);
