// Types, type bodies and triggers stored as units, through the C entry points: USER_SOURCE,
// USER_TYPES / USER_TYPE_ATTRS / USER_COLL_TYPES, USER_TRIGGERS, object tables and nested
// table storage, the dependents that keep a type from being replaced or dropped, and the
// EDITIONABLE / quoted and qualified forms schema exports write.
#include "ddl_fixture.h"

namespace ocilite::test {
namespace {

TEST_F(DdlTest, ObjectAndCollectionTypesInTheDictionary) {
    ok({"create type t_names as table of varchar2(4000)",
        "create or replace type t_pair force authid current_user as object (\n"
        "  name varchar2(255 char),\n  value number(10,2),\n  made timestamp,\n"
        "  member function label return varchar2,\n"
        "  constructor function t_pair(p_name varchar2) return self as result\n) not final",
        "create type t_pairs as varray(10) of t_pair",
        "create type t_triple under t_pair (extra date, overriding member function label "
        "return varchar2)",
        "create type t_later"});
    EXPECT_EQ(rows("SELECT TYPE_NAME, TYPECODE, ATTRIBUTES, METHODS, INCOMPLETE, FINAL, "
                   "SUPERTYPE_NAME, LOCAL_ATTRIBUTES FROM USER_TYPES ORDER BY 1"),
              (Rows{{"T_LATER", "OBJECT", "0", "0", "YES", "YES", "", ""},
                    {"T_NAMES", "COLLECTION", "0", "0", "NO", "YES", "", ""},
                    {"T_PAIR", "OBJECT", "3", "2", "NO", "NO", "", ""},
                    {"T_PAIRS", "COLLECTION", "0", "0", "NO", "YES", "", ""},
                    {"T_TRIPLE", "OBJECT", "4", "3", "NO", "YES", "T_PAIR", "1"}}));
    EXPECT_EQ(rows("SELECT ATTR_NAME, ATTR_TYPE_NAME, LENGTH, PRECISION, SCALE, CHAR_USED, "
                   "ATTR_NO, INHERITED FROM USER_TYPE_ATTRS WHERE TYPE_NAME = 'T_TRIPLE' ORDER "
                   "BY ATTR_NO"),
              (Rows{{"NAME", "VARCHAR2", "255", "", "", "C", "1", "YES"},
                    {"VALUE", "NUMBER", "", "10", "2", "", "2", "YES"},
                    {"MADE", "TIMESTAMP", "", "", "6", "", "3", "YES"},
                    {"EXTRA", "DATE", "", "", "", "", "4", "NO"}}));
    EXPECT_EQ(rows("SELECT TYPE_NAME, COLL_TYPE, UPPER_BOUND, ELEM_TYPE_OWNER, ELEM_TYPE_NAME, "
                   "LENGTH FROM USER_COLL_TYPES ORDER BY 1"),
              (Rows{{"T_NAMES", "TABLE", "", "", "VARCHAR2", "4000"},
                    {"T_PAIRS", "VARYING ARRAY", "10", "SCOTT", "T_PAIR", ""}}));
    EXPECT_EQ(one("SELECT TEXT FROM USER_SOURCE WHERE NAME = 'T_PAIR' AND LINE = 1"),
              "type t_pair force authid current_user as object (\n");
    EXPECT_EQ(one("SELECT OBJECT_TYPE || ' ' || EDITIONABLE FROM USER_OBJECTS WHERE "
                  "OBJECT_NAME = 'T_NAMES'"),
              "TYPE Y");
}

TEST_F(DdlTest, TypesUsedByOthersAreNotReplacedOrDroppedWithoutForce) {
    ok({"create type t_base as object (a number)", "create type t_list as table of t_base",
        "create type t_col as object (b number)", "create table uses_col (c t_col)"});
    EXPECT_EQ(2303, error("create or replace type t_base as object (a number, b number)"));
    ok({"create or replace type t_base force as object (a number, b number)"});
    EXPECT_EQ(2303, error("drop type t_base"));
    EXPECT_EQ(2303, error("create or replace type t_col force as object (b date)"));
    EXPECT_EQ(rows("SELECT DATA_TYPE, DATA_TYPE_OWNER FROM USER_TAB_COLUMNS WHERE TABLE_NAME = "
                   "'USES_COL'"),
              (Rows{{"T_COL", "SCOTT"}}));
    ok({"drop type t_list", "drop type t_base", "drop table uses_col", "drop type t_col force"});
    EXPECT_EQ(one("SELECT COUNT(*) FROM USER_TYPES"), "0");
    EXPECT_EQ(4043, error("drop type t_base"));
    EXPECT_EQ(902, error("create table bad_type (c no_such_type)"));
}

TEST_F(DdlTest, TypeBodiesAreStoredBesideTheirTypes) {
    ok({"create or replace type t_obj as object (n number, member function twice return "
        "number)"});
    ASSERT_EQ(0, oci.run("create or replace type body t_obj as\n"
                         "  member function twice return number is\n  begin\n"
                         "    return n * 2;\n  end;\nend;"))
        << oci.message(oci.cur.rc);
    EXPECT_EQ(rows("SELECT OBJECT_TYPE FROM USER_OBJECTS WHERE OBJECT_NAME = 'T_OBJ' ORDER BY 1"),
              (Rows{{"TYPE"}, {"TYPE BODY"}}));
    EXPECT_EQ(one("SELECT COUNT(*) FROM USER_SOURCE WHERE NAME = 'T_OBJ' AND TYPE = 'TYPE BODY'"),
              "6");
    ok({"drop type t_obj"});
    EXPECT_EQ(one("SELECT COUNT(*) FROM USER_OBJECTS WHERE OBJECT_NAME = 'T_OBJ'"), "0");
}

TEST_F(DdlTest, ObjectTablesAndNestedTableStorage) {
    ok({"create type t_tags as table of varchar2(100)",
        "create type t_row as object (id number(22,0), name varchar2(250 byte), tags t_tags, "
        "parsed timestamp(6))",
        "create table rows_of of t_row nested table tags store as rows_of_tags return as "
        "locator",
        "alter table rows_of modify (id not null, name not null)",
        "alter table rows_of add constraint rows_of_pk primary key (id)"});
    EXPECT_EQ(rows("SELECT TABLE_NAME, TABLE_TYPE, NESTED FROM USER_OBJECT_TABLES"),
              (Rows{{"ROWS_OF", "T_ROW", "NO"}}));
    EXPECT_EQ(one("SELECT COUNT(*) FROM USER_TABLES WHERE TABLE_NAME = 'ROWS_OF'"), "0");
    EXPECT_EQ(rows("SELECT COLUMN_NAME, DATA_TYPE, NULLABLE FROM USER_TAB_COLUMNS WHERE "
                   "TABLE_NAME = 'ROWS_OF' ORDER BY COLUMN_ID"),
              (Rows{{"ID", "NUMBER", "N"},
                    {"NAME", "VARCHAR2", "N"},
                    {"TAGS", "T_TAGS", "Y"},
                    {"PARSED", "TIMESTAMP(6)", "Y"}}));
    EXPECT_EQ(rows("SELECT TABLE_NAME, TABLE_TYPE_NAME, PARENT_TABLE_NAME, PARENT_TABLE_COLUMN "
                   "FROM USER_NESTED_TABLES"),
              (Rows{{"ROWS_OF_TAGS", "T_TAGS", "ROWS_OF", "TAGS"}}));
    EXPECT_EQ(one("SELECT NESTED FROM USER_TABLES WHERE TABLE_NAME = 'ROWS_OF_TAGS'"), "YES");
    EXPECT_EQ(902, error("create table bad_of of no_such_type"));
    ok({"drop table rows_of"});
    EXPECT_EQ(one("SELECT COUNT(*) FROM USER_OBJECTS WHERE OBJECT_NAME LIKE 'ROWS_OF%'"), "0");
}

TEST_F(DdlTest, TriggersAreStoredWithTheirTableAndCanBeDisabled) {
    ok({"create table audited (id number, name varchar2(10), changed date)"});
    ASSERT_EQ(0, oci.run("create or replace trigger audited_biu\n"
                         "  before insert or update of name, id on audited\n"
                         "  referencing new as n old as o\n  for each row\n"
                         "  when (n.id > 0)\nbegin\n  :n.changed := sysdate;\nend;"))
        << oci.message(oci.cur.rc);
    EXPECT_EQ(
        rows("SELECT TRIGGER_NAME, TRIGGER_TYPE, TRIGGERING_EVENT, TABLE_OWNER, "
             "BASE_OBJECT_TYPE, TABLE_NAME, REFERENCING_NAMES, WHEN_CLAUSE, STATUS, "
             "ACTION_TYPE FROM USER_TRIGGERS"),
        (Rows{{"AUDITED_BIU", "BEFORE EACH ROW", "INSERT OR UPDATE", "SCOTT", "TABLE", "AUDITED",
               "REFERENCING NEW AS N OLD AS O", "n.id > 0", "ENABLED", "PL/SQL     "}}));
    EXPECT_EQ(one("SELECT DESCRIPTION FROM USER_TRIGGERS"),
              "audited_biu\n  before insert or update of name, id on audited\n  referencing "
              "new as n old as o\n  for each row\n");
    EXPECT_EQ(one("SELECT TRIGGER_BODY FROM USER_TRIGGERS"),
              "begin\n  :n.changed := sysdate;\nend;\n");
    EXPECT_EQ(rows("SELECT COLUMN_NAME FROM USER_TRIGGER_COLS ORDER BY 1"),
              (Rows{{"ID"}, {"NAME"}}));
    ok({"alter trigger audited_biu disable"});
    EXPECT_EQ(one("SELECT STATUS FROM USER_TRIGGERS"), "DISABLED");
    ok({"alter table audited enable all triggers"});
    EXPECT_EQ(one("SELECT STATUS FROM USER_TRIGGERS"), "ENABLED");
    EXPECT_EQ(4080, error("alter trigger nosuch enable"));
    EXPECT_EQ(942, error("create trigger t_missing after delete on nosuch begin null; end;"));
    ok({"create trigger audited_stmt after delete on audited begin null; end;"});
    EXPECT_EQ(one("SELECT TRIGGER_TYPE FROM USER_TRIGGERS WHERE TRIGGER_NAME = 'AUDITED_STMT'"),
              "AFTER STATEMENT");
    ok({"drop trigger audited_stmt", "drop table audited"});
    EXPECT_EQ(one("SELECT COUNT(*) FROM USER_OBJECTS WHERE OBJECT_TYPE = 'TRIGGER'"), "0");
    EXPECT_EQ(4080, error("drop trigger audited_biu"));
}

TEST_F(DdlTest, ExportFormsOfUnitNames) {
    ASSERT_EQ(0, oci.run("CREATE OR REPLACE EDITIONABLE PACKAGE \"SCOTT\".\"EXPORTED\" AS\n"
                         "  x number;\nEND;"))
        << oci.message(oci.cur.rc);
    ASSERT_EQ(0, oci.run("CREATE OR REPLACE NONEDITIONABLE PROCEDURE \"Quoted\" IS BEGIN NULL; "
                         "END;"))
        << oci.message(oci.cur.rc);
    EXPECT_EQ(rows("SELECT OBJECT_NAME, EDITIONABLE FROM USER_OBJECTS WHERE OBJECT_NAME IN "
                   "('EXPORTED', 'Quoted') ORDER BY 1"),
              (Rows{{"EXPORTED", "Y"}, {"Quoted", "N"}}));
    EXPECT_EQ(1031, oci.run("create or replace package \"ADAMS\".\"P\" as end;"));
}

} // namespace
} // namespace ocilite::test
