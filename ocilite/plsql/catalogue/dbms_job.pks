-- DBMS_JOB: the job queue of earlier releases (kept for compatibility; from 19c its jobs
-- run as Scheduler jobs).
PACKAGE dbms_job AUTHID CURRENT_USER AS

  any_instance CONSTANT BINARY_INTEGER := 0;

  PROCEDURE broken(job IN BINARY_INTEGER, broken IN BOOLEAN, next_date IN DATE DEFAULT SYSDATE);
  PROCEDURE change(job IN BINARY_INTEGER, what IN VARCHAR2, next_date IN DATE,
                   interval IN VARCHAR2, instance IN BINARY_INTEGER DEFAULT NULL,
                   force IN BOOLEAN DEFAULT FALSE);
  PROCEDURE instance(job IN BINARY_INTEGER, instance IN BINARY_INTEGER,
                     force IN BOOLEAN DEFAULT FALSE);
  PROCEDURE interval(job IN BINARY_INTEGER, interval IN VARCHAR2);
  PROCEDURE isubmit(job IN BINARY_INTEGER, what IN VARCHAR2, next_date IN DATE,
                    interval IN VARCHAR2 DEFAULT 'null', no_parse IN BOOLEAN DEFAULT FALSE);
  PROCEDURE next_date(job IN BINARY_INTEGER, next_date IN DATE);
  PROCEDURE remove(job IN BINARY_INTEGER);
  PROCEDURE run(job IN BINARY_INTEGER, force IN BOOLEAN DEFAULT FALSE);
  PROCEDURE submit(job OUT BINARY_INTEGER, what IN VARCHAR2, next_date IN DATE DEFAULT SYSDATE,
                   interval IN VARCHAR2 DEFAULT 'null', no_parse IN BOOLEAN DEFAULT FALSE,
                   instance IN BINARY_INTEGER DEFAULT any_instance,
                   force IN BOOLEAN DEFAULT FALSE);
  PROCEDURE user_export(job IN BINARY_INTEGER, mycall IN OUT VARCHAR2);
  PROCEDURE user_export(job IN BINARY_INTEGER, mycall IN OUT VARCHAR2,
                        myinst IN OUT VARCHAR2);
  PROCEDURE what(job IN BINARY_INTEGER, what IN VARCHAR2);

END dbms_job;
