-- AQ$_SIG_PROP: the digital signature of an Advanced Queuing message.
TYPE aq$_sig_prop AS OBJECT (
  signature RAW(2000),
  canalg VARCHAR2(255),
  digalg VARCHAR2(255)
);
