-- VOLD accounting database of one fiscal year: the tables and views that the
-- TCMGO export reads, with the keys and indexes its lookups rely on.
--
-- Run with isql against a database created with DEFAULT CHARACTER SET WIN1252:
--     isql-fb -q -i schema/vold.sql DBPATH
-- The script holds only CREATE TABLE, ALTER TABLE ... ADD CONSTRAINT,
-- CREATE INDEX and CREATE VIEW statements, each ending with a semicolon, and
-- line or block comments. Text columns take the database default character set.
--
-- Conventions of the accounting suite kept here:
--   * classification codes are text and are copied as stored: program (4),
--     organ PODER (2), unit ORGAO (2), function (2), subfunction (3), action
--     PROJATIV (4: nature digit and three-digit number), economic code CATEC
--     in the dotted form c.g.mm.ee.dd, revenue code CODRE in the dotted form
--     cccc.cc.cc..., ledger account BALCO
--   * numbers kept by the suite itself are integers: entity EMPRESA, card FICHA,
--     entry keys PKEMP and PKEMPA, commitment number NEMPG, payment order ORDPG,
--     creditor CODIF, work SEQUENCIAL
--   * amounts are NUMERIC(15,2), dates are DATE
--   * a column that the export does not need to be filled is nullable.


-- ---------------------------------------------------------------------------
-- Entities and municipality
-- ---------------------------------------------------------------------------

-- Entities (prefeitura, camara, fundos, autarquias...) that keep their books in
-- this database. EMPRESA is the entity number every movement table carries.
-- TIPO is the court entity type (1 reports monthly, any other value by
-- four-month period). CODAUDESP is the organ code at the court (several
-- entities may share one).
CREATE TABLE TABEMPRESA (
    EMPRESA     INTEGER NOT NULL,
    NOME        VARCHAR(80) NOT NULL,
    ENDERECO    VARCHAR(60),
    FONE        VARCHAR(15),
    FAX         VARCHAR(15),
    BANCO       VARCHAR(3),
    AGENCIA     VARCHAR(6),
    CONTA       VARCHAR(15),
    CONTATO     VARCHAR(30),
    BAIRRO      VARCHAR(60),
    TIPO        INTEGER,
    MNOME       CHAR(1),
    CODIF       INTEGER,
    CODAUDESP   INTEGER,
    CGC         VARCHAR(18),
    NEMPG       INTEGER,
    NEMP        CHAR(1)
);

-- Client registry: the municipality that owns the installation (one row):
-- name, CNPJ, mayor and accountant with their CPFs, and the four-character
-- MEXER code that heads the budget law record of the planning file.
CREATE TABLE CADCLI (
    CLNT1       VARCHAR(35),
    CGC         VARCHAR(18),
    PREN        VARCHAR(30),
    CPFPRE      VARCHAR(25),
    CONN        VARCHAR(30),
    CPFCON      VARCHAR(25),
    MEXER       VARCHAR(4)
);


-- ---------------------------------------------------------------------------
-- Organs, units and actions
-- ---------------------------------------------------------------------------

-- Powers / organs of the municipality, by two-digit code.
CREATE TABLE TABPODER (
    PODER       VARCHAR(2) NOT NULL,
    NOME        VARCHAR(60)
);

-- Budget units inside each organ (ORGAO "00" stands for the organ itself).
CREATE TABLE TABORGAO (
    PODER       VARCHAR(2) NOT NULL,
    ORGAO       VARCHAR(2) NOT NULL,
    NOME        VARCHAR(80)
);

-- Projects and activities (budget actions) by their four-character code.
CREATE TABLE TABPROJATIV (
    PROJATIV    VARCHAR(10) NOT NULL,
    NOME        VARCHAR(255)
);


-- ---------------------------------------------------------------------------
-- Planning: budget laws, multi-year plan, annual budget
-- ---------------------------------------------------------------------------

-- Budget law parameters of the year: numbers and dates of the PPA, LDO and LOA
-- laws and the percentage of supplementation authorised by the budget law.
CREATE TABLE PARAMORC (
    LEI_PPA             VARCHAR(10),
    DTPUBLICACAO_PPA    DATE,
    LEI_LDO             VARCHAR(10),
    DTPUBLICACAO_LDO    DATE,
    LEI                 VARCHAR(10),
    DTLEI               DATE,
    DTPUBLICACAO        DATE,
    PERCE               NUMERIC(15,2)
);

-- Programs of the multi-year plan. CODIGO is the internal program number the
-- actions point to, CODDISCRI the four-character program code, META01..04 the
-- financial goals of the four plan years (a program may span several rows).
CREATE TABLE PPAPROG (
    CODIGO      INTEGER,
    CODDISCRI   VARCHAR(4),
    DISCRI      VARCHAR(100),
    OBJET       VARCHAR(500),
    META01      NUMERIC(15,2),
    META02      NUMERIC(15,2),
    META03      NUMERIC(15,2),
    META04      NUMERIC(15,2)
);

-- Actions of the multi-year plan programs: organ and unit CODLO (oouu),
-- function and subfunction FUNSUBFUN (ff.sss), action PROJATIV, product and
-- unit of measure, physical goals META01..04 and financial values VALOR01..04
-- of the four plan years.
CREATE TABLE PPAACOES (
    CODIGO      INTEGER,
    CODLO       VARCHAR(10),
    FUNSUBFUN   VARCHAR(10),
    PROJATIV    VARCHAR(10),
    PRODU       VARCHAR(100),
    DESCRI      VARCHAR(500),
    UNMED       VARCHAR(30),
    META01      NUMERIC(15,2),
    META02      NUMERIC(15,2),
    META03      NUMERIC(15,2),
    META04      NUMERIC(15,2),
    VALOR01     NUMERIC(15,2),
    VALOR02     NUMERIC(15,2),
    VALOR03     NUMERIC(15,2),
    VALOR04     NUMERIC(15,2)
);

-- Expense allocations of the annual budget law, by full classification and
-- funding source group, with the allocated amount DOTAC.
CREATE TABLE DESORC (
    PROGRAMA    VARCHAR(10),
    PODER       VARCHAR(10),
    ORGAO       VARCHAR(10),
    FUNCAO      VARCHAR(10),
    SUBFUNCAO   VARCHAR(10),
    PROJATIV    VARCHAR(10),
    CATEC       VARCHAR(20),
    FONGRUPO    VARCHAR(4),
    DOTAC       NUMERIC(15,2)
);

-- Revenue forecast of the annual budget law, by organ and revenue code.
CREATE TABLE RECORC (
    PODER       VARCHAR(10),
    CODRE       VARCHAR(20),
    TOTOR       NUMERIC(15,2)
);


-- ---------------------------------------------------------------------------
-- Revenue
-- ---------------------------------------------------------------------------

-- Revenue headings: dotted revenue code (1112.02.00...) and its name.
CREATE TABLE RECTAB (
    CODRE       VARCHAR(20) NOT NULL,
    NOMRE       VARCHAR(200)
);

-- Revenue cards of the year, one per card number FICHA: entity, revenue code,
-- forecast TOTOR, extra-budgetary flag EXTRA (S/N) and ledger account BALCO.
CREATE TABLE RECDIS (
    FICHA       INTEGER NOT NULL,
    EMPRESA     INTEGER,
    CODRE       VARCHAR(20),
    TOTOR       NUMERIC(15,2),
    EXTRA       CHAR(1),
    BALCO       VARCHAR(20)
);

-- Receipts booked on the revenue cards: receipt date DTREC, entry date DTLAN,
-- amount VAREC. PKEMP links an extra-budgetary receipt (a retention) to the
-- commitment entry it was withheld from.
CREATE TABLE RECEIT (
    FICHA       INTEGER,
    DTREC       DATE,
    DTLAN       DATE,
    VAREC       NUMERIC(15,2),
    PKEMP       INTEGER
);


-- ---------------------------------------------------------------------------
-- Expenditure
-- ---------------------------------------------------------------------------

-- Expense appropriation cards of the year, one per card number FICHA: entity,
-- budget classification, funding source group FONGRUPO, appropriation DOTAC,
-- extra-budgetary flag EXTRA (S/N) and ledger account BALCO.
CREATE TABLE DESDIS (
    FICHA       INTEGER NOT NULL,
    EMPRESA     INTEGER,
    PROGRAMA    VARCHAR(10),
    PODER       VARCHAR(10),
    ORGAO       VARCHAR(10),
    FUNCAO      VARCHAR(10),
    SUBFUNCAO   VARCHAR(10),
    PROJATIV    VARCHAR(10),
    CATEC       VARCHAR(20),
    FONGRUPO    VARCHAR(4),
    DOTAC       NUMERIC(15,2),
    EXTRA       CHAR(1),
    BALCO       VARCHAR(20)
);

-- Budget alterations of a card: entry number NLANC, date DTLAN, signed VALOR
-- (positive supplement, negative reduction), kind IE and the decree or law
-- DECRETO that authorised it.
CREATE TABLE DESALD (
    FICHA       INTEGER,
    NLANC       INTEGER,
    DTLAN       DATE,
    VALOR       NUMERIC(15,2),
    IE          VARCHAR(2),
    DECRETO     VARCHAR(20)
);

-- Creditors: name, CODTIP (1 natural person, 2 company), CPF/CNPJ INSMF as
-- typed (with separators), state registration INEST, postal code and state.
CREATE TABLE DESFOR (
    CODIF       INTEGER NOT NULL,
    NOME        VARCHAR(100),
    CODTIP      INTEGER,
    INSMF       VARCHAR(20),
    INEST       VARCHAR(20),
    CEP         VARCHAR(10),
    UF          VARCHAR(2)
);

-- Public works, numbered by SEQUENCIAL, with their year and description.
CREATE TABLE CADOBRA (
    SEQUENCIAL  INTEGER NOT NULL,
    ANO         INTEGER,
    DESCRICAO   VARCHAR(255)
);

-- Commitment entries (empenhos). PKEMP identifies the entry. VADEM is positive
-- for a commitment and negative for a cancellation, whose PKEMPA holds the
-- PKEMP of the commitment it cancels. NEMPG is the commitment number, DATAE
-- its date, VAPAG the amount paid so far, CODIF the creditor, CODOBRA the work
-- and CONTRATO the contract it is charged to, PRODU the description. CODLO_ANT,
-- CFPRO_ANT and CATEC_ANT keep the appropriation of origin of commitments of
-- earlier years in the earlier code formats (oouu, ff.sss.pppp.aaaa, CATEC).
CREATE TABLE DESPES (
    PKEMP       INTEGER NOT NULL,
    PKEMPA      INTEGER,
    FICHA       INTEGER,
    NEMPG       INTEGER,
    DATAE       DATE,
    VADEM       NUMERIC(15,2),
    VAPAG       NUMERIC(15,2),
    CODIF       INTEGER,
    CODOBRA     INTEGER,
    CONTRATO    VARCHAR(20),
    PRODU       VARCHAR(1000),
    CODLO_ANT   VARCHAR(10),
    CFPRO_ANT   VARCHAR(20),
    CATEC_ANT   VARCHAR(20)
);

-- Liquidation entries of commitments: PKEMP is the commitment entry
-- liquidated, FICHA its card, NEMPG its number, DATAE the liquidation date and
-- VADEM the liquidated amount (negative for a cancelled liquidation).
-- Read through the view VIEWLIQ.
CREATE TABLE DESLIQ (
    PKEMP       INTEGER,
    FICHA       INTEGER,
    NEMPG       INTEGER,
    DATAE       DATE,
    VADEM       NUMERIC(15,2)
);

-- Invoices attached to a commitment entry: number, series, entry date and the
-- invoice amount associated to the commitment.
CREATE TABLE NOTA (
    PKEMP       INTEGER,
    NOTA        VARCHAR(20),
    SERIE       VARCHAR(10),
    DTLAN       DATE,
    VALOR       NUMERIC(15,2)
);

-- Contracts: code (e.g. 12/2008) named by the commitments, bidding modality
-- text MODALI, object, signing, publication and validity dates, value and
-- contractor.
CREATE TABLE CONTRATOS (
    CODIGO      VARCHAR(20),
    MODALI      VARCHAR(60),
    OBJETO      VARCHAR(500),
    DTASSI      DATE,
    DTPUBL      DATE,
    VIGENI      DATE,
    VIGENF      DATE,
    VALCON      NUMERIC(15,2),
    CODIF       INTEGER
);


-- ---------------------------------------------------------------------------
-- Treasury
-- ---------------------------------------------------------------------------

-- Bank and cash accounts of each entity: bank, agency, account number, ledger
-- account BALCO (3111... cash, 312... linked accounts, others bank), funding
-- resource RECUR, opening and current balances and the balance date DTLAN.
CREATE TABLE DESCON (
    EMPRESA         INTEGER,
    BANCO           VARCHAR(5),
    AGENCIA         VARCHAR(10),
    CONTA           VARCHAR(20),
    BALCO           VARCHAR(20),
    RECUR           VARCHAR(100),
    SALDOINICIAL    NUMERIC(15,2),
    SALDO           NUMERIC(15,2),
    DTLAN           DATE
);

-- Cash orders: credits and debits moved on a bank or cash account.
CREATE TABLE ORDCAI (
    CONTA       VARCHAR(20),
    CREDI       NUMERIC(15,2),
    DEBIT       NUMERIC(15,2)
);

-- Chart of accounts: ledger account code and title.
CREATE TABLE CONPLA (
    BALCO       VARCHAR(20) NOT NULL,
    TITCO       VARCHAR(100)
);

-- Payment orders split into shares, one per commitment entry they settle:
-- order number ORDPG, commitment entry PKEMP and number NEMPG, payment date
-- DTLAN and the amount paid (negative for a cancelled payment).
CREATE TABLE RATEIO_PAGAMENTO (
    PKEMP       INTEGER,
    NEMPG       INTEGER,
    ORDPG       INTEGER,
    DTLAN       DATE,
    VALOR       NUMERIC(15,2)
);

-- Cheques that pay a payment order: account drawn on, cheque number, amount
-- and date.
CREATE TABLE CHEQORD (
    ORDPG       INTEGER,
    CONTA       VARCHAR(20),
    CHEQN       VARCHAR(15),
    VALOR       NUMERIC(15,2),
    DTLAN       DATE
);


-- ---------------------------------------------------------------------------
-- Primary keys
-- ---------------------------------------------------------------------------

ALTER TABLE TABEMPRESA ADD CONSTRAINT PK_TABEMPRESA PRIMARY KEY (EMPRESA);
ALTER TABLE TABPODER ADD CONSTRAINT PK_TABPODER PRIMARY KEY (PODER);
ALTER TABLE TABORGAO ADD CONSTRAINT PK_TABORGAO PRIMARY KEY (PODER, ORGAO);
ALTER TABLE TABPROJATIV ADD CONSTRAINT PK_TABPROJATIV PRIMARY KEY (PROJATIV);
ALTER TABLE RECTAB ADD CONSTRAINT PK_RECTAB PRIMARY KEY (CODRE);
ALTER TABLE RECDIS ADD CONSTRAINT PK_RECDIS PRIMARY KEY (FICHA);
ALTER TABLE DESDIS ADD CONSTRAINT PK_DESDIS PRIMARY KEY (FICHA);
ALTER TABLE DESFOR ADD CONSTRAINT PK_DESFOR PRIMARY KEY (CODIF);
ALTER TABLE CADOBRA ADD CONSTRAINT PK_CADOBRA PRIMARY KEY (SEQUENCIAL);
ALTER TABLE DESPES ADD CONSTRAINT PK_DESPES PRIMARY KEY (PKEMP);
ALTER TABLE CONPLA ADD CONSTRAINT PK_CONPLA PRIMARY KEY (BALCO);


-- ---------------------------------------------------------------------------
-- Indexes on the columns the export joins on or looks rows up by
-- ---------------------------------------------------------------------------

CREATE INDEX IDX_TABEMPRESA_CODAUDESP ON TABEMPRESA (CODAUDESP);
CREATE INDEX IDX_TABEMPRESA_TIPO ON TABEMPRESA (TIPO);

CREATE INDEX IDX_PPAPROG_CODIGO ON PPAPROG (CODIGO);
CREATE INDEX IDX_PPAPROG_CODDISCRI ON PPAPROG (CODDISCRI);
CREATE INDEX IDX_PPAACOES_CODIGO ON PPAACOES (CODIGO);
CREATE INDEX IDX_DESORC_CLASSIF ON DESORC (PROGRAMA, PODER, ORGAO, FUNCAO, SUBFUNCAO);
CREATE INDEX IDX_RECORC_PODER ON RECORC (PODER);
CREATE INDEX IDX_RECORC_CODRE ON RECORC (CODRE);

CREATE INDEX IDX_RECDIS_EMPRESA ON RECDIS (EMPRESA);
CREATE INDEX IDX_RECDIS_CODRE ON RECDIS (CODRE);
CREATE INDEX IDX_RECDIS_BALCO ON RECDIS (BALCO);
CREATE INDEX IDX_RECEIT_FICHA ON RECEIT (FICHA);
CREATE INDEX IDX_RECEIT_PKEMP ON RECEIT (PKEMP);

CREATE INDEX IDX_DESDIS_EMPRESA ON DESDIS (EMPRESA);
CREATE INDEX IDX_DESDIS_CLASSIF ON DESDIS (PROGRAMA, PODER, ORGAO, FUNCAO, SUBFUNCAO);
CREATE INDEX IDX_DESDIS_PROJATIV ON DESDIS (PROJATIV);
CREATE INDEX IDX_DESDIS_BALCO ON DESDIS (BALCO);
CREATE INDEX IDX_DESALD_FICHA ON DESALD (FICHA);
CREATE INDEX IDX_DESPES_PKEMPA ON DESPES (PKEMPA);
CREATE INDEX IDX_DESPES_FICHA ON DESPES (FICHA);
CREATE INDEX IDX_DESPES_NEMPG ON DESPES (NEMPG);
CREATE INDEX IDX_DESPES_CODIF ON DESPES (CODIF);
CREATE INDEX IDX_DESPES_CODOBRA ON DESPES (CODOBRA);
CREATE INDEX IDX_DESPES_CONTRATO ON DESPES (CONTRATO);
CREATE INDEX IDX_DESLIQ_PKEMP ON DESLIQ (PKEMP);
CREATE INDEX IDX_DESLIQ_FICHA ON DESLIQ (FICHA);
CREATE INDEX IDX_NOTA_PKEMP ON NOTA (PKEMP);
CREATE INDEX IDX_CONTRATOS_CODIGO ON CONTRATOS (CODIGO);
CREATE INDEX IDX_CONTRATOS_CODIF ON CONTRATOS (CODIF);

CREATE INDEX IDX_DESCON_EMPRESA ON DESCON (EMPRESA);
CREATE INDEX IDX_DESCON_CONTA ON DESCON (CONTA);
CREATE INDEX IDX_DESCON_BALCO ON DESCON (BALCO);
CREATE INDEX IDX_ORDCAI_CONTA ON ORDCAI (CONTA);
CREATE INDEX IDX_RATEIO_PAGAMENTO_PKEMP ON RATEIO_PAGAMENTO (PKEMP);
CREATE INDEX IDX_RATEIO_PAGAMENTO_ORDPG ON RATEIO_PAGAMENTO (ORDPG);
CREATE INDEX IDX_RATEIO_PAGAMENTO_NEMPG ON RATEIO_PAGAMENTO (NEMPG);
CREATE INDEX IDX_CHEQORD_ORDPG ON CHEQORD (ORDPG);
CREATE INDEX IDX_CHEQORD_CONTA ON CHEQORD (CONTA);


-- ---------------------------------------------------------------------------
-- Views
-- ---------------------------------------------------------------------------

-- VIEWLIQ: liquidation entries, one row per row of the base table DESLIQ.
CREATE VIEW VIEWLIQ (PKEMP, FICHA, NEMPG, DATAE, VADEM) AS
    SELECT PKEMP, FICHA, NEMPG, DATAE, VADEM
    FROM DESLIQ;

-- VIEWVAPAG: paid position of the commitment entries, one row per row of the
-- base table DESPES, with the amount paid VAPAG.
CREATE VIEW VIEWVAPAG (PKEMP, FICHA, NEMPG, DATAE, VAPAG) AS
    SELECT PKEMP, FICHA, NEMPG, DATAE, VAPAG
    FROM DESPES;

-- ---------------------------------------------------------------------------
-- The program connects as KTRVOLD8. A database made by another user (the suite
-- or an administrator running this script) must let it read every table and
-- write the entity table.
-- ---------------------------------------------------------------------------
GRANT ALL ON TABEMPRESA TO KTRVOLD8;
GRANT ALL ON CADCLI TO KTRVOLD8;
GRANT ALL ON TABPODER TO KTRVOLD8;
GRANT ALL ON TABORGAO TO KTRVOLD8;
GRANT ALL ON TABPROJATIV TO KTRVOLD8;
GRANT ALL ON PARAMORC TO KTRVOLD8;
GRANT ALL ON PPAPROG TO KTRVOLD8;
GRANT ALL ON PPAACOES TO KTRVOLD8;
GRANT ALL ON DESORC TO KTRVOLD8;
GRANT ALL ON RECORC TO KTRVOLD8;
GRANT ALL ON RECTAB TO KTRVOLD8;
GRANT ALL ON RECDIS TO KTRVOLD8;
GRANT ALL ON RECEIT TO KTRVOLD8;
GRANT ALL ON DESDIS TO KTRVOLD8;
GRANT ALL ON DESALD TO KTRVOLD8;
GRANT ALL ON DESFOR TO KTRVOLD8;
GRANT ALL ON CADOBRA TO KTRVOLD8;
GRANT ALL ON DESPES TO KTRVOLD8;
GRANT ALL ON DESLIQ TO KTRVOLD8;
GRANT ALL ON NOTA TO KTRVOLD8;
GRANT ALL ON CONTRATOS TO KTRVOLD8;
GRANT ALL ON DESCON TO KTRVOLD8;
GRANT ALL ON ORDCAI TO KTRVOLD8;
GRANT ALL ON CONPLA TO KTRVOLD8;
GRANT ALL ON RATEIO_PAGAMENTO TO KTRVOLD8;
GRANT ALL ON CHEQORD TO KTRVOLD8;
GRANT ALL ON VIEWLIQ TO KTRVOLD8;
GRANT ALL ON VIEWVAPAG TO KTRVOLD8;

