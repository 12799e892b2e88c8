-- HTF: the PL/SQL Web Toolkit's HTML functions: each returns the text of a tag that the
-- HTP procedure of the same name prints (the main tags; frames, image maps and the
-- HTML 3 extras are not in the catalogue).
-- PARTIAL: the main tags only.
PACKAGE htf AUTHID DEFINER AS

  FUNCTION escape_sc(ctext IN VARCHAR2) RETURN VARCHAR2;
  FUNCTION escape_url(p_url IN VARCHAR2) RETURN VARCHAR2;

  -- Tags
  FUNCTION htmlopen RETURN VARCHAR2;
  FUNCTION htmlclose RETURN VARCHAR2;
  FUNCTION headopen RETURN VARCHAR2;
  FUNCTION headclose RETURN VARCHAR2;
  FUNCTION bodyopen(cbackground IN VARCHAR2 DEFAULT NULL,
                    cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION bodyclose RETURN VARCHAR2;
  FUNCTION title(ctitle IN VARCHAR2) RETURN VARCHAR2;
  FUNCTION htitle(ctitle IN VARCHAR2, nsize IN INTEGER DEFAULT 1,
                  calign IN VARCHAR2 DEFAULT NULL, cnowrap IN VARCHAR2 DEFAULT NULL,
                  cclear IN VARCHAR2 DEFAULT NULL, cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION header(nsize IN INTEGER, cheader IN VARCHAR2, calign IN VARCHAR2 DEFAULT NULL,
                  cnowrap IN VARCHAR2 DEFAULT NULL, cclear IN VARCHAR2 DEFAULT NULL,
                  cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION anchor(curl IN VARCHAR2, ctext IN VARCHAR2, cname IN VARCHAR2 DEFAULT NULL,
                  cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION anchor2(curl IN VARCHAR2, ctext IN VARCHAR2, cname IN VARCHAR2 DEFAULT NULL,
                   ctarget IN VARCHAR2 DEFAULT NULL, cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION mailto(caddress IN VARCHAR2, ctext IN VARCHAR2, cname IN VARCHAR2 DEFAULT NULL,
                  cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION base(ctarget IN VARCHAR2 DEFAULT NULL, cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION linkrel(crel IN VARCHAR2, curl IN VARCHAR2, ctitle IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION linkrev(crev IN VARCHAR2, curl IN VARCHAR2, ctitle IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION meta(chttp_equiv IN VARCHAR2, cname IN VARCHAR2, ccontent IN VARCHAR2)
    RETURN VARCHAR2;
  FUNCTION script(cscript IN VARCHAR2, clanguage IN VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION style(cstyle IN VARCHAR2) RETURN VARCHAR2;
  FUNCTION comment(ctext IN VARCHAR2) RETURN VARCHAR2;
  FUNCTION br(cclear IN VARCHAR2 DEFAULT NULL, cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION nl(cclear IN VARCHAR2 DEFAULT NULL, cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION para RETURN VARCHAR2;
  FUNCTION paragraph(calign IN VARCHAR2 DEFAULT NULL, cnowrap IN VARCHAR2 DEFAULT NULL,
                     cclear IN VARCHAR2 DEFAULT NULL,
                     cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION hr(cclear IN VARCHAR2 DEFAULT NULL, csrc IN VARCHAR2 DEFAULT NULL,
              cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION line(cclear IN VARCHAR2 DEFAULT NULL, csrc IN VARCHAR2 DEFAULT NULL,
                cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION div(calign IN VARCHAR2 DEFAULT NULL, cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION center(ctext IN VARCHAR2) RETURN VARCHAR2;
  FUNCTION centeropen RETURN VARCHAR2;
  FUNCTION centerclose RETURN VARCHAR2;
  FUNCTION bold(ctext IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION italic(ctext IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION underline(ctext IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION strong(ctext IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION em(ctext IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION emphasis(ctext IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION code(ctext IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION small(ctext IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION big(ctext IN VARCHAR2, cattributes IN VARCHAR2 DEFAULT NULL) RETURN VARCHAR2;
  FUNCTION fontopen(ccolor IN VARCHAR2 DEFAULT NULL, cface IN VARCHAR2 DEFAULT NULL,
                    csize IN VARCHAR2 DEFAULT NULL, cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION fontclose RETURN VARCHAR2;
  FUNCTION preopen(cclear IN VARCHAR2 DEFAULT NULL, cwidth IN VARCHAR2 DEFAULT NULL,
                   cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION preclose RETURN VARCHAR2;
  FUNCTION ulistopen(cclear IN VARCHAR2 DEFAULT NULL, cwrap IN VARCHAR2 DEFAULT NULL,
                     cdingbat IN VARCHAR2 DEFAULT NULL, csrc IN VARCHAR2 DEFAULT NULL,
                     cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION ulistclose RETURN VARCHAR2;
  FUNCTION olistopen(cclear IN VARCHAR2 DEFAULT NULL, cwrap IN VARCHAR2 DEFAULT NULL,
                     cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION olistclose RETURN VARCHAR2;
  FUNCTION listitem(ctext IN VARCHAR2 DEFAULT NULL, cclear IN VARCHAR2 DEFAULT NULL,
                    cdingbat IN VARCHAR2 DEFAULT NULL, csrc IN VARCHAR2 DEFAULT NULL,
                    cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION dlistopen(cclear IN VARCHAR2 DEFAULT NULL,
                     cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION dlistclose RETURN VARCHAR2;
  FUNCTION dlistdef(ctext IN VARCHAR2 DEFAULT NULL, cclear IN VARCHAR2 DEFAULT NULL,
                    cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION dlistterm(ctext IN VARCHAR2 DEFAULT NULL, cclear IN VARCHAR2 DEFAULT NULL,
                     cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION tableopen(cborder IN VARCHAR2 DEFAULT NULL, calign IN VARCHAR2 DEFAULT NULL,
                     cnowrap IN VARCHAR2 DEFAULT NULL, cclear IN VARCHAR2 DEFAULT NULL,
                     cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION tableclose RETURN VARCHAR2;
  FUNCTION tablecaption(ccaption IN VARCHAR2, calign IN VARCHAR2 DEFAULT NULL,
                        cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION tablerowopen(calign IN VARCHAR2 DEFAULT NULL, cvalign IN VARCHAR2 DEFAULT NULL,
                        cdp IN VARCHAR2 DEFAULT NULL, cnowrap IN VARCHAR2 DEFAULT NULL,
                        cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION tablerowclose RETURN VARCHAR2;
  FUNCTION tableheader(cvalue IN VARCHAR2 DEFAULT NULL, calign IN VARCHAR2 DEFAULT NULL,
                       cdp IN VARCHAR2 DEFAULT NULL, cnowrap IN VARCHAR2 DEFAULT NULL,
                       crowspan IN VARCHAR2 DEFAULT NULL,
                       ccolspan IN VARCHAR2 DEFAULT NULL,
                       cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION tabledata(cvalue IN VARCHAR2 DEFAULT NULL, calign IN VARCHAR2 DEFAULT NULL,
                     cdp IN VARCHAR2 DEFAULT NULL, cnowrap IN VARCHAR2 DEFAULT NULL,
                     crowspan IN VARCHAR2 DEFAULT NULL, ccolspan IN VARCHAR2 DEFAULT NULL,
                     cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION formopen(curl IN VARCHAR2, cmethod IN VARCHAR2 DEFAULT 'POST',
                    ctarget IN VARCHAR2 DEFAULT NULL, cenctype IN VARCHAR2 DEFAULT NULL,
                    cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION formclose RETURN VARCHAR2;
  FUNCTION formhidden(cname IN VARCHAR2, cvalue IN VARCHAR2 DEFAULT NULL,
                      cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION formtext(cname IN VARCHAR2, csize IN VARCHAR2 DEFAULT NULL,
                    cmaxlength IN VARCHAR2 DEFAULT NULL, cvalue IN VARCHAR2 DEFAULT NULL,
                    cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION formpassword(cname IN VARCHAR2, csize IN VARCHAR2 DEFAULT NULL,
                        cmaxlength IN VARCHAR2 DEFAULT NULL,
                        cvalue IN VARCHAR2 DEFAULT NULL,
                        cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION formtextarea(cname IN VARCHAR2, nrows IN INTEGER, ncolumns IN INTEGER,
                        calign IN VARCHAR2 DEFAULT NULL,
                        cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION formtextareaopen(cname IN VARCHAR2, nrows IN INTEGER, ncolumns IN INTEGER,
                            calign IN VARCHAR2 DEFAULT NULL,
                            cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION formtextareaclose RETURN VARCHAR2;
  FUNCTION formsubmit(cname IN VARCHAR2 DEFAULT NULL, cvalue IN VARCHAR2 DEFAULT 'Submit',
                      cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION formreset(cvalue IN VARCHAR2 DEFAULT 'Reset',
                     cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION formcheckbox(cname IN VARCHAR2, cvalue IN VARCHAR2 DEFAULT 'on',
                        cchecked IN VARCHAR2 DEFAULT NULL,
                        cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION formradio(cname IN VARCHAR2, cvalue IN VARCHAR2,
                     cchecked IN VARCHAR2 DEFAULT NULL,
                     cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION formselectopen(cname IN VARCHAR2, cprompt IN VARCHAR2 DEFAULT NULL,
                          nsize IN INTEGER DEFAULT NULL,
                          cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION formselectoption(cvalue IN VARCHAR2, cselected IN VARCHAR2 DEFAULT NULL,
                            cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION formselectclose RETURN VARCHAR2;
  FUNCTION img(curl IN VARCHAR2 DEFAULT NULL, calign IN VARCHAR2 DEFAULT NULL,
               calt IN VARCHAR2 DEFAULT NULL, cismap IN VARCHAR2 DEFAULT NULL,
               cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;
  FUNCTION img2(curl IN VARCHAR2 DEFAULT NULL, calign IN VARCHAR2 DEFAULT NULL,
                calt IN VARCHAR2 DEFAULT NULL, cismap IN VARCHAR2 DEFAULT NULL,
                cusemap IN VARCHAR2 DEFAULT NULL, cattributes IN VARCHAR2 DEFAULT NULL)
    RETURN VARCHAR2;

END htf;
