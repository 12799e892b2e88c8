-- HTP: the PL/SQL Web Toolkit's output procedures: print text to the page buffer of the
-- gateway (P, PRINT, PRN) and print HTML tags (the main tags; frames, image maps and the
-- HTML 3 extras are not in the catalogue).
-- PARTIAL: the main tags only.
PACKAGE htp AUTHID DEFINER AS

  TYPE htbuf_arr IS TABLE OF VARCHAR2(256) INDEX BY BINARY_INTEGER;
  htbuf_len PLS_INTEGER;

  -- Text
  PROCEDURE print(cbuf IN VARCHAR2 DEFAULT NULL);
  PROCEDURE print(dbuf IN DATE);
  PROCEDURE print(nbuf IN NUMBER);
  PROCEDURE prn(cbuf IN VARCHAR2 DEFAULT NULL);
  PROCEDURE prn(dbuf IN DATE);
  PROCEDURE prn(nbuf IN NUMBER);
  PROCEDURE p(cbuf IN VARCHAR2 DEFAULT NULL);
  PROCEDURE p(dbuf IN DATE);
  PROCEDURE p(nbuf IN NUMBER);
  PROCEDURE prints(ctext IN VARCHAR2);
  PROCEDURE ps(ctext IN VARCHAR2);
  PROCEDURE escape_sc(ctext IN VARCHAR2);
  -- The page buffer
  PROCEDURE init;
  PROCEDURE flush;
  PROCEDURE get_page(thepage OUT NOCOPY htbuf_arr, irows IN OUT INTEGER);
  PROCEDURE showpage;
  PROCEDURE download_file(sfilename IN VARCHAR2, bcompress IN BOOLEAN DEFAULT FALSE);

  -- Tags
  PROCEDURE htmlopen;
  PROCEDURE htmlclose;
  PROCEDURE headopen;
  PROCEDURE headclose;
  PROCEDURE bodyopen(cbackground IN VARCHAR2 DEFAULT NULL,
                     cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE bodyclose;
  PROCEDURE title(ctitle IN VARCHAR2);
  PROCEDURE htitle(ctitle IN VARCHAR2, nsize IN INTEGER DEFAULT 1,
                   calign IN VARCHAR2 DEFAULT NULL, cnowrap IN VARCHAR2 DEFAULT NULL,
                   cclear IN VARCHAR2 DEFAULT NULL, cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE header(nsize IN INTEGER, cheader IN VARCHAR2, calign IN VARCHAR2 DEFAULT NULL,
                   cnowrap IN VARCHAR2 DEFAULT NULL, cclear IN VARCHAR2 DEFAULT NULL,
                   cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE anchor(curl IN VARCHAR2, ctext IN VARCHAR2, cname IN VARCHAR2 DEFAULT NULL,
                   cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE anchor2(curl IN VARCHAR2, ctext IN VARCHAR2, cname IN VARCHAR2 DEFAULT NULL,
                    ctarget IN VARCHAR2 DEFAULT NULL,
                    cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE mailto(caddress IN VARCHAR2, ctext IN VARCHAR2,
                   cname IN VARCHAR2 DEFAULT NULL, cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE base(ctarget IN VARCHAR2 DEFAULT NULL, cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE linkrel(crel IN VARCHAR2, curl IN VARCHAR2, ctitle IN VARCHAR2 DEFAULT NULL);
  PROCEDURE linkrev(crev IN VARCHAR2, curl IN VARCHAR2, ctitle IN VARCHAR2 DEFAULT NULL);
  PROCEDURE meta(chttp_equiv IN VARCHAR2, cname IN VARCHAR2, ccontent IN VARCHAR2);
  PROCEDURE script(cscript IN VARCHAR2, clanguage IN VARCHAR2 DEFAULT NULL);
  PROCEDURE style(cstyle IN VARCHAR2);
  PROCEDURE comment(ctext IN VARCHAR2);
  PROCEDURE br(cclear IN VARCHAR2 DEFAULT NULL, cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE nl(cclear IN VARCHAR2 DEFAULT NULL, cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE para;
  PROCEDURE paragraph(calign IN VARCHAR2 DEFAULT NULL, cnowrap IN VARCHAR2 DEFAULT NULL,
                      cclear IN VARCHAR2 DEFAULT NULL,
                      cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE hr(cclear IN VARCHAR2 DEFAULT NULL, csrc IN VARCHAR2 DEFAULT NULL,
               cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE line(cclear IN VARCHAR2 DEFAULT NULL, csrc IN VARCHAR2 DEFAULT NULL,
                 cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE div(calign IN VARCHAR2 DEFAULT NULL, cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE center(ctext IN VARCHAR2);
  PROCEDURE centeropen;
  PROCEDURE centerclose;
  PROCEDURE bold(ctext IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE italic(ctext IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE underline(ctext IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE strong(ctext IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE em(ctext IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE emphasis(ctext IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE code(ctext IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE small(ctext IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE big(ctext IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE fontopen(ccolor IN VARCHAR2 DEFAULT NULL, cface IN VARCHAR2 DEFAULT NULL,
                     csize IN VARCHAR2 DEFAULT NULL, cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE fontclose;
  PROCEDURE preopen(cclear IN VARCHAR2 DEFAULT NULL, cwidth IN VARCHAR2 DEFAULT NULL,
                    cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE preclose;
  PROCEDURE ulistopen(cclear IN VARCHAR2 DEFAULT NULL, cwrap IN VARCHAR2 DEFAULT NULL,
                      cdingbat IN VARCHAR2 DEFAULT NULL, csrc IN VARCHAR2 DEFAULT NULL,
                      cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE ulistclose;
  PROCEDURE olistopen(cclear IN VARCHAR2 DEFAULT NULL, cwrap IN VARCHAR2 DEFAULT NULL,
                      cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE olistclose;
  PROCEDURE listitem(ctext IN VARCHAR2 DEFAULT NULL, cclear IN VARCHAR2 DEFAULT NULL,
                     cdingbat IN VARCHAR2 DEFAULT NULL, csrc IN VARCHAR2 DEFAULT NULL,
                     cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE dlistopen(cclear IN VARCHAR2 DEFAULT NULL,
                      cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE dlistclose;
  PROCEDURE dlistdef(ctext IN VARCHAR2 DEFAULT NULL, cclear IN VARCHAR2 DEFAULT NULL,
                     cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE dlistterm(ctext IN VARCHAR2 DEFAULT NULL, cclear IN VARCHAR2 DEFAULT NULL,
                      cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE tableopen(cborder IN VARCHAR2 DEFAULT NULL, calign IN VARCHAR2 DEFAULT NULL,
                      cnowrap IN VARCHAR2 DEFAULT NULL, cclear IN VARCHAR2 DEFAULT NULL,
                      cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE tableclose;
  PROCEDURE tablecaption(ccaption IN VARCHAR2, calign IN VARCHAR2 DEFAULT NULL,
                         cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE tablerowopen(calign IN VARCHAR2 DEFAULT NULL,
                         cvalign IN VARCHAR2 DEFAULT NULL, cdp IN VARCHAR2 DEFAULT NULL,
                         cnowrap IN VARCHAR2 DEFAULT NULL,
                         cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE tablerowclose;
  PROCEDURE tableheader(cvalue IN VARCHAR2 DEFAULT NULL, calign IN VARCHAR2 DEFAULT NULL,
                        cdp IN VARCHAR2 DEFAULT NULL, cnowrap IN VARCHAR2 DEFAULT NULL,
                        crowspan IN VARCHAR2 DEFAULT NULL,
                        ccolspan IN VARCHAR2 DEFAULT NULL,
                        cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE tabledata(cvalue IN VARCHAR2 DEFAULT NULL, calign IN VARCHAR2 DEFAULT NULL,
                      cdp IN VARCHAR2 DEFAULT NULL, cnowrap IN VARCHAR2 DEFAULT NULL,
                      crowspan IN VARCHAR2 DEFAULT NULL,
                      ccolspan IN VARCHAR2 DEFAULT NULL,
                      cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE formopen(curl IN VARCHAR2, cmethod IN VARCHAR2 DEFAULT 'POST',
                     ctarget IN VARCHAR2 DEFAULT NULL, cenctype IN VARCHAR2 DEFAULT NULL,
                     cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE formclose;
  PROCEDURE formhidden(cname IN VARCHAR2, cvalue IN VARCHAR2 DEFAULT NULL,
                       cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE formtext(cname IN VARCHAR2, csize IN VARCHAR2 DEFAULT NULL,
                     cmaxlength IN VARCHAR2 DEFAULT NULL, cvalue IN VARCHAR2 DEFAULT NULL,
                     cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE formpassword(cname IN VARCHAR2, csize IN VARCHAR2 DEFAULT NULL,
                         cmaxlength IN VARCHAR2 DEFAULT NULL,
                         cvalue IN VARCHAR2 DEFAULT NULL,
                         cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE formtextarea(cname IN VARCHAR2, nrows IN INTEGER, ncolumns IN INTEGER,
                         calign IN VARCHAR2 DEFAULT NULL,
                         cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE formtextareaopen(cname IN VARCHAR2, nrows IN INTEGER, ncolumns IN INTEGER,
                             calign IN VARCHAR2 DEFAULT NULL,
                             cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE formtextareaclose;
  PROCEDURE formsubmit(cname IN VARCHAR2 DEFAULT NULL,
                       cvalue IN VARCHAR2 DEFAULT 'Submit',
                       cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE formreset(cvalue IN VARCHAR2 DEFAULT 'Reset',
                      cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE formcheckbox(cname IN VARCHAR2, cvalue IN VARCHAR2 DEFAULT 'on',
                         cchecked IN VARCHAR2 DEFAULT NULL,
                         cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE formradio(cname IN VARCHAR2, cvalue IN VARCHAR2,
                      cchecked IN VARCHAR2 DEFAULT NULL,
                      cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE formselectopen(cname IN VARCHAR2, cprompt IN VARCHAR2 DEFAULT NULL,
                           nsize IN INTEGER DEFAULT NULL,
                           cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE formselectoption(cvalue IN VARCHAR2, cselected IN VARCHAR2 DEFAULT NULL,
                             cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE formselectclose;
  PROCEDURE img(curl IN VARCHAR2 DEFAULT NULL, calign IN VARCHAR2 DEFAULT NULL,
                calt IN VARCHAR2 DEFAULT NULL, cismap IN VARCHAR2 DEFAULT NULL,
                cattributes IN VARCHAR2 DEFAULT NULL);
  PROCEDURE img2(curl IN VARCHAR2 DEFAULT NULL, calign IN VARCHAR2 DEFAULT NULL,
                 calt IN VARCHAR2 DEFAULT NULL, cismap IN VARCHAR2 DEFAULT NULL,
                 cusemap IN VARCHAR2 DEFAULT NULL, cattributes IN VARCHAR2 DEFAULT NULL);

END htp;
