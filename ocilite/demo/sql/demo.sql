REM Demo schema SCOTT: the classic DEPT and EMP tables and a set of program units.
REM Run as SCOTT:  ocilite run DB SCOTT demo.sql   (or let "ocilite demo DB" do it all)
REM
REM The embedded database compiles each program unit as it is created; the units that do
REM not compile get the errors Oracle reports for them.
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
