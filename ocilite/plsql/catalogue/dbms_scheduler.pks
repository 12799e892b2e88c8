-- DBMS_SCHEDULER: jobs, programs, schedules, job classes, windows, chains and
-- credentials of the Scheduler (the main subprograms; the file-watcher, group,
-- destination and resource-manager parts are not in the catalogue).
-- PARTIAL: the main subprograms only.
PACKAGE dbms_scheduler AUTHID CURRENT_USER AS

  -- logging_level of job classes and jobs
  logging_off CONSTANT PLS_INTEGER := 32;
  logging_runs CONSTANT PLS_INTEGER := 64;
  logging_failed_runs CONSTANT PLS_INTEGER := 128;
  logging_full CONSTANT PLS_INTEGER := 256;
  -- raise_events of jobs
  job_started CONSTANT PLS_INTEGER := 1;
  job_succeeded CONSTANT PLS_INTEGER := 2;
  job_failed CONSTANT PLS_INTEGER := 4;
  job_broken CONSTANT PLS_INTEGER := 8;
  job_completed CONSTANT PLS_INTEGER := 16;
  job_stopped CONSTANT PLS_INTEGER := 32;
  job_sch_lim_reached CONSTANT PLS_INTEGER := 64;
  job_disabled CONSTANT PLS_INTEGER := 128;
  job_chain_stalled CONSTANT PLS_INTEGER := 256;
  job_all_events CONSTANT PLS_INTEGER := 511;
  job_run_completed CONSTANT PLS_INTEGER := 38;

  ---------------------------------------------------------------------------------------
  -- Jobs
  ---------------------------------------------------------------------------------------
  -- An inline program and an inline schedule
  PROCEDURE create_job(job_name IN VARCHAR2, job_type IN VARCHAR2, job_action IN VARCHAR2,
                       number_of_arguments IN PLS_INTEGER DEFAULT 0,
                       start_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL,
                       repeat_interval IN VARCHAR2 DEFAULT NULL,
                       end_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL,
                       job_class IN VARCHAR2 DEFAULT 'DEFAULT_JOB_CLASS',
                       enabled IN BOOLEAN DEFAULT FALSE, auto_drop IN BOOLEAN DEFAULT TRUE,
                       comments IN VARCHAR2 DEFAULT NULL,
                       credential_name IN VARCHAR2 DEFAULT NULL,
                       destination_name IN VARCHAR2 DEFAULT NULL,
                       job_style IN VARCHAR2 DEFAULT 'REGULAR');
  -- An inline program and an event schedule
  PROCEDURE create_job(job_name IN VARCHAR2, job_type IN VARCHAR2, job_action IN VARCHAR2,
                       number_of_arguments IN PLS_INTEGER DEFAULT 0,
                       start_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL,
                       event_condition IN VARCHAR2, queue_spec IN VARCHAR2,
                       end_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL,
                       job_class IN VARCHAR2 DEFAULT 'DEFAULT_JOB_CLASS',
                       enabled IN BOOLEAN DEFAULT FALSE, auto_drop IN BOOLEAN DEFAULT TRUE,
                       comments IN VARCHAR2 DEFAULT NULL,
                       credential_name IN VARCHAR2 DEFAULT NULL,
                       destination_name IN VARCHAR2 DEFAULT NULL);
  -- A named program and an inline schedule
  PROCEDURE create_job(job_name IN VARCHAR2, program_name IN VARCHAR2,
                       start_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL,
                       repeat_interval IN VARCHAR2 DEFAULT NULL,
                       end_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL,
                       job_class IN VARCHAR2 DEFAULT 'DEFAULT_JOB_CLASS',
                       enabled IN BOOLEAN DEFAULT FALSE, auto_drop IN BOOLEAN DEFAULT TRUE,
                       comments IN VARCHAR2 DEFAULT NULL,
                       job_style IN VARCHAR2 DEFAULT 'REGULAR',
                       credential_name IN VARCHAR2 DEFAULT NULL,
                       destination_name IN VARCHAR2 DEFAULT NULL);
  -- A named program and an event schedule
  PROCEDURE create_job(job_name IN VARCHAR2, program_name IN VARCHAR2,
                       start_date IN TIMESTAMP_TZ_UNCONSTRAINED,
                       event_condition IN VARCHAR2, queue_spec IN VARCHAR2,
                       end_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL,
                       job_class IN VARCHAR2 DEFAULT 'DEFAULT_JOB_CLASS',
                       enabled IN BOOLEAN DEFAULT FALSE, auto_drop IN BOOLEAN DEFAULT TRUE,
                       comments IN VARCHAR2 DEFAULT NULL,
                       job_style IN VARCHAR2 DEFAULT 'REGULAR',
                       credential_name IN VARCHAR2 DEFAULT NULL,
                       destination_name IN VARCHAR2 DEFAULT NULL);
  -- A named program and a named schedule
  PROCEDURE create_job(job_name IN VARCHAR2, program_name IN VARCHAR2,
                       schedule_name IN VARCHAR2,
                       job_class IN VARCHAR2 DEFAULT 'DEFAULT_JOB_CLASS',
                       enabled IN BOOLEAN DEFAULT FALSE, auto_drop IN BOOLEAN DEFAULT TRUE,
                       comments IN VARCHAR2 DEFAULT NULL,
                       job_style IN VARCHAR2 DEFAULT 'REGULAR',
                       credential_name IN VARCHAR2 DEFAULT NULL,
                       destination_name IN VARCHAR2 DEFAULT NULL);
  -- An inline program and a named schedule
  PROCEDURE create_job(job_name IN VARCHAR2, schedule_name IN VARCHAR2,
                       job_type IN VARCHAR2, job_action IN VARCHAR2,
                       number_of_arguments IN PLS_INTEGER DEFAULT 0,
                       job_class IN VARCHAR2 DEFAULT 'DEFAULT_JOB_CLASS',
                       enabled IN BOOLEAN DEFAULT FALSE, auto_drop IN BOOLEAN DEFAULT TRUE,
                       comments IN VARCHAR2 DEFAULT NULL,
                       credential_name IN VARCHAR2 DEFAULT NULL,
                       destination_name IN VARCHAR2 DEFAULT NULL);
  PROCEDURE copy_job(old_job IN VARCHAR2, new_job IN VARCHAR2);
  PROCEDURE drop_job(job_name IN VARCHAR2, force IN BOOLEAN DEFAULT FALSE,
                     defer IN BOOLEAN DEFAULT FALSE,
                     commit_semantics IN VARCHAR2 DEFAULT 'STOP_ON_FIRST_ERROR');
  PROCEDURE run_job(job_name IN VARCHAR2, use_current_session IN BOOLEAN DEFAULT TRUE);
  PROCEDURE stop_job(job_name IN VARCHAR2, force IN BOOLEAN DEFAULT FALSE,
                     commit_semantics IN VARCHAR2 DEFAULT 'STOP_ON_FIRST_ERROR');
  FUNCTION generate_job_name(prefix IN VARCHAR2 DEFAULT 'JOB$_') RETURN VARCHAR2;
  PROCEDURE set_job_argument_value(job_name IN VARCHAR2, argument_position IN PLS_INTEGER,
                                   argument_value IN VARCHAR2);
  PROCEDURE set_job_argument_value(job_name IN VARCHAR2, argument_name IN VARCHAR2,
                                   argument_value IN VARCHAR2);
  PROCEDURE set_job_anydata_value(job_name IN VARCHAR2, argument_position IN PLS_INTEGER,
                                  argument_value IN anydata);
  PROCEDURE set_job_anydata_value(job_name IN VARCHAR2, argument_name IN VARCHAR2,
                                  argument_value IN anydata);
  PROCEDURE reset_job_argument_value(job_name IN VARCHAR2,
                                     argument_position IN PLS_INTEGER);
  PROCEDURE reset_job_argument_value(job_name IN VARCHAR2, argument_name IN VARCHAR2);

  ---------------------------------------------------------------------------------------
  -- Programs, schedules, job classes, windows, credentials
  ---------------------------------------------------------------------------------------
  PROCEDURE create_program(program_name IN VARCHAR2, program_type IN VARCHAR2,
                           program_action IN VARCHAR2,
                           number_of_arguments IN PLS_INTEGER DEFAULT 0,
                           enabled IN BOOLEAN DEFAULT FALSE, comments IN VARCHAR2 DEFAULT NULL);
  PROCEDURE drop_program(program_name IN VARCHAR2, force IN BOOLEAN DEFAULT FALSE);
  PROCEDURE define_program_argument(program_name IN VARCHAR2,
                                    argument_position IN PLS_INTEGER,
                                    argument_name IN VARCHAR2 DEFAULT NULL,
                                    argument_type IN VARCHAR2, default_value IN VARCHAR2,
                                    out_argument IN BOOLEAN DEFAULT FALSE);
  PROCEDURE define_program_argument(program_name IN VARCHAR2,
                                    argument_position IN PLS_INTEGER,
                                    argument_name IN VARCHAR2 DEFAULT NULL,
                                    argument_type IN VARCHAR2,
                                    out_argument IN BOOLEAN DEFAULT FALSE);
  PROCEDURE define_anydata_argument(program_name IN VARCHAR2,
                                    argument_position IN PLS_INTEGER,
                                    argument_name IN VARCHAR2 DEFAULT NULL,
                                    argument_type IN VARCHAR2, default_value IN anydata,
                                    out_argument IN BOOLEAN DEFAULT FALSE);
  PROCEDURE define_metadata_argument(program_name IN VARCHAR2,
                                     metadata_attribute IN VARCHAR2,
                                     argument_position IN PLS_INTEGER,
                                     argument_name IN VARCHAR2 DEFAULT NULL);
  PROCEDURE drop_program_argument(program_name IN VARCHAR2,
                                  argument_position IN PLS_INTEGER);
  PROCEDURE drop_program_argument(program_name IN VARCHAR2, argument_name IN VARCHAR2);
  PROCEDURE create_schedule(schedule_name IN VARCHAR2,
                            start_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL,
                            repeat_interval IN VARCHAR2,
                            end_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL,
                            comments IN VARCHAR2 DEFAULT NULL);
  PROCEDURE create_event_schedule(schedule_name IN VARCHAR2,
                                  start_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL,
                                  event_condition IN VARCHAR2 DEFAULT NULL,
                                  queue_spec IN VARCHAR2,
                                  end_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL,
                                  comments IN VARCHAR2 DEFAULT NULL);
  PROCEDURE drop_schedule(schedule_name IN VARCHAR2, force IN BOOLEAN DEFAULT FALSE);
  PROCEDURE create_job_class(job_class_name IN VARCHAR2,
                             resource_consumer_group IN VARCHAR2 DEFAULT NULL,
                             service IN VARCHAR2 DEFAULT NULL,
                             logging_level IN PLS_INTEGER DEFAULT logging_runs,
                             log_history IN PLS_INTEGER DEFAULT NULL,
                             comments IN VARCHAR2 DEFAULT NULL);
  PROCEDURE drop_job_class(job_class_name IN VARCHAR2, force IN BOOLEAN DEFAULT FALSE);
  PROCEDURE create_window(window_name IN VARCHAR2, resource_plan IN VARCHAR2,
                          start_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL,
                          repeat_interval IN VARCHAR2,
                          end_date IN TIMESTAMP_TZ_UNCONSTRAINED DEFAULT NULL,
                          duration IN DSINTERVAL_UNCONSTRAINED,
                          window_priority IN VARCHAR2 DEFAULT 'LOW',
                          comments IN VARCHAR2 DEFAULT NULL);
  PROCEDURE create_window(window_name IN VARCHAR2, resource_plan IN VARCHAR2,
                          schedule_name IN VARCHAR2, duration IN DSINTERVAL_UNCONSTRAINED,
                          window_priority IN VARCHAR2 DEFAULT 'LOW',
                          comments IN VARCHAR2 DEFAULT NULL);
  PROCEDURE drop_window(window_name IN VARCHAR2, force IN BOOLEAN DEFAULT FALSE);
  PROCEDURE open_window(window_name IN VARCHAR2, duration IN DSINTERVAL_UNCONSTRAINED,
                        force IN BOOLEAN DEFAULT FALSE);
  PROCEDURE close_window(window_name IN VARCHAR2);
  PROCEDURE create_credential(credential_name IN VARCHAR2, username IN VARCHAR2,
                              password IN VARCHAR2, database_role IN VARCHAR2 DEFAULT NULL,
                              windows_domain IN VARCHAR2 DEFAULT NULL,
                              comments IN VARCHAR2 DEFAULT NULL,
                              enabled IN BOOLEAN DEFAULT TRUE);
  PROCEDURE drop_credential(credential_name IN VARCHAR2, force IN BOOLEAN DEFAULT FALSE);

  ---------------------------------------------------------------------------------------
  -- Chains
  ---------------------------------------------------------------------------------------
  PROCEDURE create_chain(chain_name IN VARCHAR2, rule_set_name IN VARCHAR2 DEFAULT NULL,
                         evaluation_interval IN DSINTERVAL_UNCONSTRAINED DEFAULT NULL,
                         comments IN VARCHAR2 DEFAULT NULL);
  PROCEDURE define_chain_step(chain_name IN VARCHAR2, step_name IN VARCHAR2,
                              program_name IN VARCHAR2);
  PROCEDURE define_chain_event_step(chain_name IN VARCHAR2, step_name IN VARCHAR2,
                                    event_schedule_name IN VARCHAR2,
                                    timeout IN DSINTERVAL_UNCONSTRAINED DEFAULT NULL);
  PROCEDURE define_chain_rule(chain_name IN VARCHAR2, condition IN VARCHAR2,
                              action IN VARCHAR2, rule_name IN VARCHAR2 DEFAULT NULL,
                              comments IN VARCHAR2 DEFAULT NULL);
  PROCEDURE drop_chain(chain_name IN VARCHAR2, force IN BOOLEAN DEFAULT FALSE);
  PROCEDURE drop_chain_step(chain_name IN VARCHAR2, step_name IN VARCHAR2,
                            force IN BOOLEAN DEFAULT FALSE);
  PROCEDURE drop_chain_rule(chain_name IN VARCHAR2, rule_name IN VARCHAR2,
                            force IN BOOLEAN DEFAULT FALSE);
  PROCEDURE run_chain(chain_name IN VARCHAR2, job_name IN VARCHAR2,
                      start_steps IN VARCHAR2 DEFAULT NULL);
  PROCEDURE alter_running_chain(job_name IN VARCHAR2, step_name IN VARCHAR2,
                                attribute IN VARCHAR2, value IN VARCHAR2);
  PROCEDURE evaluate_running_chain(job_name IN VARCHAR2);

  ---------------------------------------------------------------------------------------
  -- Any Scheduler object
  ---------------------------------------------------------------------------------------
  PROCEDURE enable(name IN VARCHAR2,
                   commit_semantics IN VARCHAR2 DEFAULT 'STOP_ON_FIRST_ERROR');
  PROCEDURE disable(name IN VARCHAR2, force IN BOOLEAN DEFAULT FALSE,
                    commit_semantics IN VARCHAR2 DEFAULT 'STOP_ON_FIRST_ERROR');
  PROCEDURE set_attribute(name IN VARCHAR2, attribute IN VARCHAR2, value IN BOOLEAN);
  PROCEDURE set_attribute(name IN VARCHAR2, attribute IN VARCHAR2, value IN PLS_INTEGER);
  PROCEDURE set_attribute(name IN VARCHAR2, attribute IN VARCHAR2, value IN DATE);
  PROCEDURE set_attribute(name IN VARCHAR2, attribute IN VARCHAR2,
                          value IN TIMESTAMP_UNCONSTRAINED);
  PROCEDURE set_attribute(name IN VARCHAR2, attribute IN VARCHAR2,
                          value IN TIMESTAMP_TZ_UNCONSTRAINED);
  PROCEDURE set_attribute(name IN VARCHAR2, attribute IN VARCHAR2,
                          value IN TIMESTAMP_LTZ_UNCONSTRAINED);
  PROCEDURE set_attribute(name IN VARCHAR2, attribute IN VARCHAR2,
                          value IN DSINTERVAL_UNCONSTRAINED);
  PROCEDURE set_attribute(name IN VARCHAR2, attribute IN VARCHAR2, value IN VARCHAR2,
                          value2 IN VARCHAR2 DEFAULT NULL);
  PROCEDURE set_attribute_null(name IN VARCHAR2, attribute IN VARCHAR2);
  PROCEDURE get_attribute(name IN VARCHAR2, attribute IN VARCHAR2, value OUT PLS_INTEGER);
  PROCEDURE get_attribute(name IN VARCHAR2, attribute IN VARCHAR2, value OUT BOOLEAN);
  PROCEDURE get_attribute(name IN VARCHAR2, attribute IN VARCHAR2, value OUT DATE);
  PROCEDURE get_attribute(name IN VARCHAR2, attribute IN VARCHAR2,
                          value OUT TIMESTAMP_UNCONSTRAINED);
  PROCEDURE get_attribute(name IN VARCHAR2, attribute IN VARCHAR2,
                          value OUT TIMESTAMP_TZ_UNCONSTRAINED);
  PROCEDURE get_attribute(name IN VARCHAR2, attribute IN VARCHAR2,
                          value OUT TIMESTAMP_LTZ_UNCONSTRAINED);
  PROCEDURE get_attribute(name IN VARCHAR2, attribute IN VARCHAR2,
                          value OUT DSINTERVAL_UNCONSTRAINED);
  PROCEDURE get_attribute(name IN VARCHAR2, attribute IN VARCHAR2, value OUT VARCHAR2);
  PROCEDURE get_attribute(name IN VARCHAR2, attribute IN VARCHAR2, value OUT VARCHAR2,
                          value2 OUT VARCHAR2);
  PROCEDURE set_scheduler_attribute(attribute IN VARCHAR2, value IN VARCHAR2);
  PROCEDURE get_scheduler_attribute(attribute IN VARCHAR2, value OUT VARCHAR2);
  PROCEDURE evaluate_calendar_string(calendar_string IN VARCHAR2,
                                     start_date IN TIMESTAMP_TZ_UNCONSTRAINED,
                                     return_date_after IN TIMESTAMP_TZ_UNCONSTRAINED,
                                     next_run_date OUT TIMESTAMP_TZ_UNCONSTRAINED);
  PROCEDURE purge_log(log_history IN PLS_INTEGER DEFAULT 0,
                      which_log IN VARCHAR2 DEFAULT 'JOB_AND_WINDOW_LOG',
                      job_name IN VARCHAR2 DEFAULT NULL);

END dbms_scheduler;
