REM Demo schema SCOTT: the classic DEPT and EMP tables and a set of program units.
REM Run as SCOTT:  ocilite run DB SCOTT demo.sql   (or let "ocilite demo DB" do it all)
REM
REM The embedded database stores program units without compiling them. The compile errors
REM Oracle would report are declared after each unit by "--@error LINE:POS TEXT" lines
REM ("--@+ TEXT" continues a message on a further line); they mark the unit INVALID.
SET ECHO OFF
SET FEEDBACK OFF
WHENEVER SQLERROR CONTINUE

PROMPT Creating tables DEPT and EMP ...
@@dept_emp.sql

PROMPT Creating valid program units ...
@@valid_units.sql
@@ledger_pkg.sql

PROMPT Creating program units that do not compile ...
@@invalid_units.sql

PROMPT Demo schema ready.
