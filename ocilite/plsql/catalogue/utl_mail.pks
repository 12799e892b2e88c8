-- UTL_MAIL: sending an e-mail message, optionally with one attachment, in one call
-- (through the server that SMTP_OUT_SERVER names).
PACKAGE utl_mail AUTHID CURRENT_USER AS

  PROCEDURE send(sender IN VARCHAR2, recipients IN VARCHAR2, cc IN VARCHAR2 DEFAULT NULL,
                 bcc IN VARCHAR2 DEFAULT NULL, subject IN VARCHAR2 DEFAULT NULL,
                 message IN VARCHAR2 DEFAULT NULL,
                 mime_type IN VARCHAR2 DEFAULT 'text/plain; charset=us-ascii',
                 priority IN PLS_INTEGER DEFAULT 3, replyto IN VARCHAR2 DEFAULT NULL);
  PROCEDURE send_attach_raw(sender IN VARCHAR2, recipients IN VARCHAR2,
                            cc IN VARCHAR2 DEFAULT NULL, bcc IN VARCHAR2 DEFAULT NULL,
                            subject IN VARCHAR2 DEFAULT NULL,
                            message IN VARCHAR2 DEFAULT NULL,
                            mime_type IN VARCHAR2 DEFAULT 'text/plain; charset=us-ascii',
                            priority IN PLS_INTEGER DEFAULT 3, attachment IN RAW,
                            att_inline IN BOOLEAN DEFAULT TRUE,
                            att_mime_type IN VARCHAR2 DEFAULT 'application/octet',
                            att_filename IN VARCHAR2 DEFAULT NULL,
                            replyto IN VARCHAR2 DEFAULT NULL);
  PROCEDURE send_attach_varchar2(sender IN VARCHAR2, recipients IN VARCHAR2,
                                 cc IN VARCHAR2 DEFAULT NULL, bcc IN VARCHAR2 DEFAULT NULL,
                                 subject IN VARCHAR2 DEFAULT NULL,
                                 message IN VARCHAR2 DEFAULT NULL,
                                 mime_type IN VARCHAR2 DEFAULT 'text/plain; charset=us-ascii',
                                 priority IN PLS_INTEGER DEFAULT 3, attachment IN VARCHAR2,
                                 att_inline IN BOOLEAN DEFAULT TRUE,
                                 att_mime_type IN VARCHAR2
                                   DEFAULT 'text/plain; charset=us-ascii',
                                 att_filename IN VARCHAR2 DEFAULT NULL,
                                 replyto IN VARCHAR2 DEFAULT NULL);

END utl_mail;
