-- UTL_COMPRESS: Lempel-Ziv compression of RAW, BLOB and BFILE data (gzip format), in one
-- call or piecewise.
PACKAGE utl_compress AUTHID CURRENT_USER AS

  FUNCTION lz_compress(src IN RAW, quality IN BINARY_INTEGER DEFAULT 6) RETURN RAW;
  FUNCTION lz_compress(src IN BLOB, quality IN BINARY_INTEGER DEFAULT 6) RETURN BLOB;
  FUNCTION lz_compress(src IN BFILE, quality IN BINARY_INTEGER DEFAULT 6) RETURN BLOB;
  PROCEDURE lz_compress(src IN BLOB, dst IN OUT NOCOPY BLOB,
                        quality IN BINARY_INTEGER DEFAULT 6);
  PROCEDURE lz_compress(src IN BFILE, dst IN OUT NOCOPY BLOB,
                        quality IN BINARY_INTEGER DEFAULT 6);
  FUNCTION lz_uncompress(src IN RAW) RETURN RAW;
  FUNCTION lz_uncompress(src IN BLOB) RETURN BLOB;
  FUNCTION lz_uncompress(src IN BFILE) RETURN BLOB;
  PROCEDURE lz_uncompress(src IN BLOB, dst IN OUT NOCOPY BLOB);
  PROCEDURE lz_uncompress(src IN BFILE, dst IN OUT NOCOPY BLOB);

  FUNCTION lz_compress_open(dst IN OUT NOCOPY BLOB, quality IN BINARY_INTEGER DEFAULT 6)
    RETURN BINARY_INTEGER;
  PROCEDURE lz_compress_add(handle IN BINARY_INTEGER, dst IN OUT NOCOPY BLOB, src IN RAW);
  PROCEDURE lz_compress_close(handle IN BINARY_INTEGER, dst IN OUT NOCOPY BLOB);
  FUNCTION lz_uncompress_open(src IN BLOB) RETURN BINARY_INTEGER;
  PROCEDURE lz_uncompress_extract(handle IN BINARY_INTEGER, dst OUT NOCOPY RAW);
  PROCEDURE lz_uncompress_close(handle IN BINARY_INTEGER);
  FUNCTION isopen(handle IN BINARY_INTEGER) RETURN BOOLEAN;

END utl_compress;
