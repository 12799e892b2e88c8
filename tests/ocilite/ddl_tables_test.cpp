// Tables as Oracle declares them, through the C entry points: column types as
// USER_TAB_COLUMNS shows them, defaults, identity and virtual columns, constraints of every
// kind (and their enforcement), physical clauses accepted, ALTER TABLE, global temporary
// tables, CREATE TABLE ... AS SELECT, DROP, TRUNCATE, RENAME and COMMENT.
#include "ddl_fixture.h"

namespace ocilite::test {
namespace {

struct ColumnCase {
    const char *declared;
    // DATA_TYPE, DATA_LENGTH, DATA_PRECISION, DATA_SCALE, CHAR_LENGTH, CHAR_USED
    std::vector<std::string> row;
};

TEST_F(DdlTest, BuiltInTypesShowAsOracleShowsThem) {
    const ColumnCase cases[] = {
        {"NUMBER", {"NUMBER", "22", "", "", "0", ""}},
        {"NUMBER(7,2)", {"NUMBER", "22", "7", "2", "0", ""}},
        {"NUMBER(5)", {"NUMBER", "22", "5", "0", "0", ""}},
        {"NUMBER(*,3)", {"NUMBER", "22", "", "3", "0", ""}},
        {"INTEGER", {"NUMBER", "22", "", "0", "0", ""}},
        {"DECIMAL(10,4)", {"NUMBER", "22", "10", "4", "0", ""}},
        {"FLOAT", {"FLOAT", "22", "126", "", "0", ""}},
        {"FLOAT(24)", {"FLOAT", "22", "24", "", "0", ""}},
        {"REAL", {"FLOAT", "22", "63", "", "0", ""}},
        {"DOUBLE PRECISION", {"FLOAT", "22", "126", "", "0", ""}},
        {"BINARY_FLOAT", {"BINARY_FLOAT", "4", "", "", "0", ""}},
        {"BINARY_DOUBLE", {"BINARY_DOUBLE", "8", "", "", "0", ""}},
        {"VARCHAR2(30)", {"VARCHAR2", "30", "", "", "30", "B"}},
        {"VARCHAR2(30 BYTE)", {"VARCHAR2", "30", "", "", "30", "B"}},
        {"VARCHAR2(30 CHAR)", {"VARCHAR2", "120", "", "", "30", "C"}},
        {"VARCHAR(10)", {"VARCHAR2", "10", "", "", "10", "B"}},
        {"NVARCHAR2(10)", {"NVARCHAR2", "20", "", "", "10", "C"}},
        {"CHAR", {"CHAR", "1", "", "", "1", "B"}},
        {"CHAR(3 CHAR)", {"CHAR", "12", "", "", "3", "C"}},
        {"NCHAR(5)", {"NCHAR", "10", "", "", "5", "C"}},
        {"DATE", {"DATE", "7", "", "", "0", ""}},
        {"TIMESTAMP", {"TIMESTAMP(6)", "11", "", "6", "0", ""}},
        {"TIMESTAMP (3)", {"TIMESTAMP(3)", "11", "", "3", "0", ""}},
        {"TIMESTAMP WITH TIME ZONE", {"TIMESTAMP(6) WITH TIME ZONE", "13", "", "6", "0", ""}},
        {"TIMESTAMP(0) WITH LOCAL TIME ZONE",
         {"TIMESTAMP(0) WITH LOCAL TIME ZONE", "7", "", "0", "0", ""}},
        {"INTERVAL YEAR TO MONTH", {"INTERVAL YEAR(2) TO MONTH", "5", "2", "0", "0", ""}},
        {"INTERVAL DAY(3) TO SECOND(2)", {"INTERVAL DAY(3) TO SECOND(2)", "11", "3", "2", "0", ""}},
        {"RAW(16)", {"RAW", "16", "", "", "0", ""}},
        {"LONG", {"LONG", "0", "", "", "0", ""}},
        {"CLOB", {"CLOB", "4000", "", "", "0", ""}},
        {"NCLOB", {"NCLOB", "4000", "", "", "0", ""}},
        {"BLOB", {"BLOB", "4000", "", "", "0", ""}},
        {"BFILE", {"BFILE", "530", "", "", "0", ""}},
        {"ROWID", {"ROWID", "10", "", "", "0", ""}},
        {"UROWID", {"UROWID", "4000", "", "", "0", ""}},
        {"XMLTYPE", {"XMLTYPE", "2000", "", "", "0", ""}},
    };
    int n = 0;
    for (const ColumnCase &c : cases) {
        SCOPED_TRACE(c.declared);
        const std::string table = "T" + std::to_string(++n);
        ok({"create table " + table + " (c " + c.declared + ")"});
        EXPECT_EQ(rows("SELECT DATA_TYPE, DATA_LENGTH, DATA_PRECISION, DATA_SCALE, CHAR_LENGTH, "
                       "CHAR_USED FROM USER_TAB_COLUMNS WHERE TABLE_NAME = '" +
                       table + "'"),
                  Rows{c.row});
    }
    EXPECT_EQ(one("SELECT DATA_TYPE_OWNER FROM USER_TAB_COLUMNS WHERE DATA_TYPE = 'XMLTYPE'"),
              "SYS");
}

TEST_F(DdlTest, TypesOracleRefusesGetItsErrors) {
    const std::pair<const char *, int> cases[] = {
        {"create table x (c varchar2)", 906},
        {"create table x (c varchar2(0))", 1723},
        {"create table x (c varchar2(4001))", 910},
        {"create table x (c number(39))", 1727},
        {"create table x (c number(5,200))", 1728},
        {"create table x (c float(127))", 1724},
        {"create table x (c timestamp(10))", 30088},
        {"create table x (c nosuchtype)", 902},
        {"create table x (c raw)", 906},
    };
    for (const auto &[sql, code] : cases)
        EXPECT_EQ(code, error(sql)) << sql;
}

TEST_F(DdlTest, ConstraintsOfEveryKindAreKeptAndEnforced) {
    ok({"create table parent (id number(10) constraint parent_pk primary key, code varchar2(5) "
        "not null unique)",
        "create table child (id number primary key using index, parent_id number "
        "constraint child_parent_fk references parent on delete cascade, qty number(3) default "
        "0 not null, status char(1) check (status in ('A','B')), constraint child_uk "
        "unique (parent_id, qty) deferrable initially deferred)"});
    const Rows constraints = rows("SELECT CONSTRAINT_TYPE, TABLE_NAME, R_CONSTRAINT_NAME, "
                                  "DELETE_RULE, STATUS, DEFERRABLE, DEFERRED, GENERATED FROM "
                                  "USER_CONSTRAINTS WHERE CONSTRAINT_NAME IN ('PARENT_PK', "
                                  "'CHILD_PARENT_FK', 'CHILD_UK') ORDER BY CONSTRAINT_NAME");
    EXPECT_EQ(
        constraints,
        (Rows{{"R", "CHILD", "PARENT_PK", "CASCADE", "ENABLED", "NOT DEFERRABLE", "IMMEDIATE",
               "USER NAME"},
              {"U", "CHILD", "", "", "ENABLED", "DEFERRABLE", "DEFERRED", "USER NAME"},
              {"P", "PARENT", "", "", "ENABLED", "NOT DEFERRABLE", "IMMEDIATE", "USER NAME"}}));
    EXPECT_EQ(rows("SELECT COLUMN_NAME, POSITION FROM USER_CONS_COLUMNS WHERE CONSTRAINT_NAME = "
                   "'CHILD_UK' ORDER BY POSITION"),
              (Rows{{"PARENT_ID", "1"}, {"QTY", "2"}}));
    EXPECT_EQ(one("SELECT SEARCH_CONDITION FROM USER_CONSTRAINTS WHERE TABLE_NAME = 'CHILD' AND "
                  "CONSTRAINT_TYPE = 'C' AND SEARCH_CONDITION LIKE 'status%'"),
              "status in ('A','B')");
    EXPECT_EQ(one("SELECT COUNT(*) FROM USER_CONSTRAINTS WHERE TABLE_NAME = 'CHILD' AND "
                  "GENERATED = 'GENERATED NAME' AND CONSTRAINT_NAME LIKE 'SYS\\_C%' ESCAPE '\\'"),
              "3");
    EXPECT_EQ(
        rows("SELECT COLUMN_NAME, NULLABLE, DATA_DEFAULT FROM USER_TAB_COLUMNS WHERE "
             "TABLE_NAME = 'CHILD' ORDER BY COLUMN_ID"),
        (Rows{{"ID", "N", ""}, {"PARENT_ID", "Y", ""}, {"QTY", "N", "0 "}, {"STATUS", "Y", ""}}));
    EXPECT_EQ(rows("SELECT INDEX_NAME, UNIQUENESS FROM USER_INDEXES WHERE TABLE_NAME = 'PARENT' "
                   "AND INDEX_NAME = 'PARENT_PK'"),
              (Rows{{"PARENT_PK", "UNIQUE"}}));

    ok({"insert into parent values (1, 'a')", "insert into child values (1, 1, 1, 'A')"});
    const std::pair<const char *, int> violations[] = {
        {"insert into parent values (1, 'b')", 1},
        {"insert into parent values (2, null)", 1400},
        {"insert into child values (2, 9, 1, 'A')", 2291},
        {"insert into child values (3, 1, 2, 'Z')", 2290},
        {"insert into child values (4, 1, 1000, 'A')", 1438},
    };
    for (const auto &[sql, code] : violations)
        EXPECT_EQ(code, error(sql)) << sql;
    ok({"delete from parent where id = 1"});
    EXPECT_EQ(one("SELECT COUNT(*) FROM CHILD"), "0"); // ON DELETE CASCADE
}

TEST_F(DdlTest, ConstraintMistakesGetOraclesErrors) {
    ok({"create table p (a number primary key, b number)"});
    const std::pair<const char *, int> cases[] = {
        {"create table x (a number primary key, b number primary key)", 2260},
        {"create table x (a number, constraint k unique (nosuch))", 904},
        {"create table x (a number references nosuch)", 942},
        {"create table x (a number references p (b))", 2270},
        {"create table x (a number, b number, unique (a, b), unique (b, a))", 2261},
        {"create table x (a number constraint k1 check (a > 0), b number constraint k1 check "
         "(b > 0))",
         2264},
    };
    for (const auto &[sql, code] : cases)
        EXPECT_EQ(code, error(sql)) << sql;
}

TEST_F(DdlTest, PhysicalClausesAreAcceptedAndIgnored) {
    ok({"create table s1 (a number, b varchar2(10), constraint s1_pk primary key (a) using "
        "index tablespace users pctfree 5) tablespace users pctfree 10 initrans 2 storage "
        "(initial 64k next 1m) logging compress nocache parallel 2",
        "create table s2 (a number primary key, t clob) organization index nologging initrans "
        "10 overflow nologging initrans 100 lob (t) store as securefile s2_lob (enable storage "
        "in row nocache)",
        "create table s3 (a number, d date) partition by range (d) interval "
        "(numtoyminterval(1, 'MONTH')) (partition p0 values less than (date '2020-01-01'))",
        "create table s4 (a number) segment creation deferred row store compress advanced "
        "enable row movement"});
    EXPECT_EQ(rows("SELECT TABLE_NAME, IOT_TYPE, LOGGING, PARTITIONED FROM USER_TABLES WHERE "
                   "TABLE_NAME LIKE 'S_' ORDER BY 1"),
              (Rows{{"S1", "", "YES", "NO"},
                    {"S2", "IOT", "NO", "NO"},
                    {"S3", "", "YES", "YES"},
                    {"S4", "", "YES", "NO"}}));
}

TEST_F(DdlTest, IdentityAndVirtualColumns) {
    ok({"create table idv (id number generated always as identity, n number, "
        "twice number generated always as (n * 2) virtual, label varchar2(10) default 'x')",
        "insert into idv (n) values (4)", "insert into idv (n) values (5)"});
    EXPECT_EQ(rows("SELECT ID, N, TWICE, LABEL FROM IDV ORDER BY ID"),
              (Rows{{"1", "4", "8", "x"}, {"2", "5", "10", "x"}}));
    EXPECT_EQ(rows("SELECT COLUMN_NAME, IDENTITY_COLUMN, NULLABLE FROM USER_TAB_COLUMNS WHERE "
                   "TABLE_NAME = 'IDV' AND COLUMN_NAME IN ('ID', 'TWICE') ORDER BY COLUMN_ID"),
              (Rows{{"ID", "YES", "N"}, {"TWICE", "NO", "Y"}}));
    EXPECT_EQ(one("SELECT VIRTUAL_COLUMN FROM USER_TAB_COLS WHERE TABLE_NAME = 'IDV' AND "
                  "COLUMN_NAME = 'TWICE'"),
              "YES");
    EXPECT_EQ(one("SELECT HAS_IDENTITY FROM USER_TABLES WHERE TABLE_NAME = 'IDV'"), "YES");
}

TEST_F(DdlTest, AlterTableChangesColumnsAndConstraintsKeepingRows) {
    ok({"create table a1 (id number, name varchar2(10))", "insert into a1 values (1, 'one')",
        "insert into a1 values (2, null)",
        "alter table a1 add (created date default sysdate, note varchar2(20))",
        "alter table a1 modify (id not null)",
        "alter table a1 add constraint a1_pk primary key (id)",
        "alter table a1 rename column note to remark", "alter table a1 modify name varchar2(30)",
        "alter table a1 drop column remark",
        "alter table a1 add constraint a1_ck check (id < 100)"});
    EXPECT_EQ(rows("SELECT COLUMN_NAME, DATA_LENGTH, NULLABLE FROM USER_TAB_COLUMNS WHERE "
                   "TABLE_NAME = 'A1' ORDER BY COLUMN_ID"),
              (Rows{{"ID", "22", "N"}, {"NAME", "30", "Y"}, {"CREATED", "7", "Y"}}));
    EXPECT_EQ(rows("SELECT ID, NAME FROM A1 ORDER BY ID"), (Rows{{"1", "one"}, {"2", ""}}));
    EXPECT_EQ(one("SELECT COUNT(*) FROM A1 WHERE CREATED IS NOT NULL"), "2");
    EXPECT_EQ(1, error("insert into a1 (id) values (1)"));
    EXPECT_EQ(2290, error("insert into a1 (id) values (500)"));
    const std::pair<const char *, int> cases[] = {
        {"alter table a1 add (name number)", 1430},
        {"alter table a1 modify (id not null)", 1442},
        {"alter table a1 modify (name not null)", 2296},
        {"alter table a1 add constraint a1_uk unique (name, nosuch)", 904},
        {"alter table a1 drop constraint nosuch", 2443},
        {"alter table a1 add constraint a1_ck2 check (id > 1)", 2293},
        {"alter table a1 drop column nosuch", 904},
        {"alter table nosuch add (x number)", 942},
    };
    for (const auto &[sql, code] : cases)
        EXPECT_EQ(code, error(sql)) << sql;
    ok({"alter table a1 drop primary key", "insert into a1 (id) values (1)",
        "alter table a1 disable constraint a1_ck", "insert into a1 (id) values (700)"});
    EXPECT_EQ(one("SELECT STATUS FROM USER_CONSTRAINTS WHERE CONSTRAINT_NAME = 'A1_CK'"),
              "DISABLED");
    EXPECT_EQ(2293, error("alter table a1 enable constraint a1_ck"));
}

TEST_F(DdlTest, ForeignKeysBlockDropAndTruncateOfTheirParent) {
    ok({"create table fp (id number primary key)",
        "create table fc (id number, fp_id number references fp)", "insert into fp values (1)",
        "insert into fc values (1, 1)"});
    EXPECT_EQ(2449, error("drop table fp"));
    EXPECT_EQ(2266, error("truncate table fp"));
    ok({"truncate table fc", "drop table fp cascade constraints"});
    EXPECT_EQ(one("SELECT COUNT(*) FROM USER_CONSTRAINTS WHERE TABLE_NAME = 'FC' AND "
                  "CONSTRAINT_TYPE = 'R'"),
              "0");
    EXPECT_EQ(one("SELECT COUNT(*) FROM USER_OBJECTS WHERE OBJECT_NAME = 'FP'"), "0");
}

TEST_F(DdlTest, GlobalTemporaryTablesKeepRowsPerSessionAndTransaction) {
    ok({"create global temporary table gtt_rows (a number) on commit delete rows",
        "create global temporary table gtt_session (a number) on commit preserve rows"});
    EXPECT_EQ(
        rows("SELECT TABLE_NAME, TEMPORARY, DURATION, TABLESPACE_NAME FROM USER_TABLES "
             "WHERE TEMPORARY = 'Y' ORDER BY 1"),
        (Rows{{"GTT_ROWS", "Y", "SYS$TRANSACTION", ""}, {"GTT_SESSION", "Y", "SYS$SESSION", ""}}));
    EXPECT_EQ(one("SELECT TEMPORARY FROM USER_OBJECTS WHERE OBJECT_NAME = 'GTT_ROWS'"), "Y");
    ok({"insert into gtt_rows values (1)", "insert into gtt_session values (1)"});
    EXPECT_EQ(one("SELECT COUNT(*) FROM GTT_ROWS"), "1");
    ok({"commit"});
    EXPECT_EQ(one("SELECT COUNT(*) FROM GTT_ROWS"), "0");
    EXPECT_EQ(one("SELECT COUNT(*) FROM GTT_SESSION"), "1");
    Oci other;
    ASSERT_EQ(0, other.logon("SCOTT", "TIGER", dbPath));
    Result theirs = other.query("SELECT COUNT(*) FROM GTT_SESSION");
    ASSERT_EQ(0, theirs.rc);
    EXPECT_EQ(theirs.rows, (Rows{{"0"}}));
}

TEST_F(DdlTest, CreateTableAsSelectCopiesColumnsAndRows) {
    ok({"create table emp_copy (no, name) as select empno, ename from emp where deptno = 10",
        "create table emp_all as select * from emp"});
    EXPECT_EQ(one("SELECT COUNT(*) FROM EMP_COPY"),
              one("SELECT COUNT(*) FROM EMP WHERE DEPTNO = 10"));
    EXPECT_EQ(rows("SELECT COLUMN_NAME, DATA_TYPE FROM USER_TAB_COLUMNS WHERE TABLE_NAME = "
                   "'EMP_COPY' ORDER BY COLUMN_ID"),
              (Rows{{"NO", "NUMBER"}, {"NAME", "VARCHAR2"}}));
    EXPECT_EQ(one("SELECT COUNT(*) FROM USER_TAB_COLUMNS WHERE TABLE_NAME = 'EMP_ALL'"),
              one("SELECT COUNT(*) FROM USER_TAB_COLUMNS WHERE TABLE_NAME = 'EMP'"));
    EXPECT_EQ(1730, error("create table bad (a, b) as select empno from emp"));
}

TEST_F(DdlTest, RenameCommentAndTruncate) {
    ok({"create table r1 (a number, b varchar2(5))", "insert into r1 values (1, 'x')",
        "comment on table r1 is 'a table'", "comment on column r1.b is 'a column'",
        "rename r1 to r2", "comment on column scott.r2.a is 'first'"});
    EXPECT_EQ(rows("SELECT TABLE_NAME, TABLE_TYPE, COMMENTS FROM USER_TAB_COMMENTS WHERE "
                   "TABLE_NAME = 'R2'"),
              (Rows{{"R2", "TABLE", "a table"}}));
    EXPECT_EQ(rows("SELECT COLUMN_NAME, COMMENTS FROM USER_COL_COMMENTS WHERE TABLE_NAME = 'R2' "
                   "ORDER BY COLUMN_NAME"),
              (Rows{{"A", "first"}, {"B", "a column"}}));
    EXPECT_EQ(one("SELECT B FROM R2"), "x");
    ok({"truncate table r2"});
    EXPECT_EQ(one("SELECT COUNT(*) FROM R2"), "0");
    EXPECT_EQ(942, error("comment on table nosuch is 'x'"));
    EXPECT_EQ(904, error("comment on column r2.nosuch is 'x'"));
    EXPECT_EQ(942, error("select * from r1"));
}

TEST_F(DdlTest, QuotedAndQualifiedNames) {
    ok({"create table \"Mixed Case\" (\"col 1\" number, plain number)",
        "create table scott.qualified (a number)",
        "insert into \"SCOTT\".\"Mixed Case\" values (1, 2)"});
    EXPECT_EQ(rows("SELECT COLUMN_NAME FROM USER_TAB_COLUMNS WHERE TABLE_NAME = 'Mixed Case' "
                   "ORDER BY COLUMN_ID"),
              (Rows{{"col 1"}, {"PLAIN"}}));
    EXPECT_EQ(one("SELECT \"col 1\" FROM \"Mixed Case\""), "1");
    EXPECT_EQ(one("SELECT COUNT(*) FROM USER_TABLES WHERE TABLE_NAME = 'QUALIFIED'"), "1");
    EXPECT_EQ(1031, error("create table other.t (a number)"));
}

} // namespace
} // namespace ocilite::test

namespace ocilite::test {
namespace {

TEST_F(DdlTest, DescribeReportsOraclesInternalTypeCodes) {
    ok({"create table described (v varchar2(20), n number(6,2), d date, c char(3), r raw(8), "
        "l long, ts timestamp(3), tz timestamp with time zone, lz timestamp with local time "
        "zone, ym interval year to month, ds interval day to second, bf binary_float, "
        "bd binary_double, cl clob, bl blob, x xmltype)"});
    Result r = oci.query("SELECT * FROM DESCRIBED");
    ASSERT_EQ(0, r.rc) << oci.message(r.rc);
    std::vector<std::pair<std::string, int>> codes;
    for (const Column &c : r.columns)
        codes.emplace_back(c.name, c.dbtype);
    const std::vector<std::pair<std::string, int>> expected = {
        {"V", 1},    {"N", 2},    {"D", 12},   {"C", 96},   {"R", 23},   {"L", 8},
        {"TS", 180}, {"TZ", 181}, {"LZ", 231}, {"YM", 182}, {"DS", 183}, {"BF", 100},
        {"BD", 101}, {"CL", 112}, {"BL", 113}, {"X", 108}};
    EXPECT_EQ(expected, codes);
    EXPECT_EQ(20, r.columns[0].dbsize);
    EXPECT_EQ(6, r.columns[1].prec);
    EXPECT_EQ(2, r.columns[1].scale);
    EXPECT_EQ(3, r.columns[6].scale); // TIMESTAMP(3): fractional digits in the scale
}

} // namespace
} // namespace ocilite::test
