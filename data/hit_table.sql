-- The hit table of the viewer's working database: one row per pick hit.
-- The template database tessmaran.db is made from this file at build time.
create table if not exists tblData0 (
    dZ0 double,
    dZ1 double,
    lWWWInline integer,
    lTrans integer,
    lNode integer,
    lData0 integer,
    lData1 integer,
    lData2 integer
);
create index if not exists tblData0_dZ0 on tblData0 (dZ0);
