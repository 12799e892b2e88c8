-- DBMS_CRYPTO: encryption and decryption (DES, 3DES, AES, RC4), hashing (MD4, MD5,
-- SHA-1, SHA-2), message authentication codes and random bytes.
-- PARTIAL: algorithms added after 19c may be missing.
PACKAGE dbms_crypto AUTHID CURRENT_USER AS

  -- Hash functions
  hash_md4 CONSTANT PLS_INTEGER := 1;
  hash_md5 CONSTANT PLS_INTEGER := 2;
  hash_sh1 CONSTANT PLS_INTEGER := 3;
  hash_sh256 CONSTANT PLS_INTEGER := 4;
  hash_sh384 CONSTANT PLS_INTEGER := 5;
  hash_sh512 CONSTANT PLS_INTEGER := 6;
  -- MAC functions
  hmac_md5 CONSTANT PLS_INTEGER := 1;
  hmac_sh1 CONSTANT PLS_INTEGER := 2;
  hmac_sh256 CONSTANT PLS_INTEGER := 3;
  hmac_sh384 CONSTANT PLS_INTEGER := 4;
  hmac_sh512 CONSTANT PLS_INTEGER := 5;
  -- Block cipher algorithms
  encrypt_des CONSTANT PLS_INTEGER := 1;
  encrypt_3des_2key CONSTANT PLS_INTEGER := 2;
  encrypt_3des CONSTANT PLS_INTEGER := 3;
  encrypt_aes CONSTANT PLS_INTEGER := 4;
  encrypt_pbe_md5des CONSTANT PLS_INTEGER := 5;
  encrypt_aes128 CONSTANT PLS_INTEGER := 6;
  encrypt_aes192 CONSTANT PLS_INTEGER := 7;
  encrypt_aes256 CONSTANT PLS_INTEGER := 8;
  -- Block cipher chaining modifiers
  chain_cbc CONSTANT PLS_INTEGER := 256;
  chain_cfb CONSTANT PLS_INTEGER := 512;
  chain_ecb CONSTANT PLS_INTEGER := 768;
  chain_ofb CONSTANT PLS_INTEGER := 1024;
  -- Block cipher padding modifiers
  pad_pkcs5 CONSTANT PLS_INTEGER := 4096;
  pad_none CONSTANT PLS_INTEGER := 8192;
  pad_zero CONSTANT PLS_INTEGER := 12288;
  pad_orcl CONSTANT PLS_INTEGER := 16384;
  -- Stream cipher algorithms
  encrypt_rc4 CONSTANT PLS_INTEGER := 129;
  -- Block cipher suites
  des_cbc_pkcs5 CONSTANT PLS_INTEGER := 4353; -- ENCRYPT_DES + CHAIN_CBC + PAD_PKCS5
  des3_cbc_pkcs5 CONSTANT PLS_INTEGER := 4355; -- ENCRYPT_3DES + CHAIN_CBC + PAD_PKCS5
  aes_cbc_pkcs5 CONSTANT PLS_INTEGER := 4356; -- ENCRYPT_AES + CHAIN_CBC + PAD_PKCS5

  ciphersuiteinvalid EXCEPTION;
  PRAGMA EXCEPTION_INIT(ciphersuiteinvalid, -28827);
  ciphersuitenull EXCEPTION;
  PRAGMA EXCEPTION_INIT(ciphersuitenull, -28829);
  keynull EXCEPTION;
  PRAGMA EXCEPTION_INIT(keynull, -28239);
  keybadsize EXCEPTION;
  PRAGMA EXCEPTION_INIT(keybadsize, -28234);
  doubleencryption EXCEPTION;
  PRAGMA EXCEPTION_INIT(doubleencryption, -28233);

  FUNCTION decrypt(src IN RAW, typ IN PLS_INTEGER, key IN RAW, iv IN RAW DEFAULT NULL)
    RETURN RAW;
  PROCEDURE decrypt(dst IN OUT NOCOPY BLOB, src IN BLOB, typ IN PLS_INTEGER, key IN RAW,
                    iv IN RAW DEFAULT NULL);
  PROCEDURE decrypt(dst IN OUT NOCOPY CLOB, src IN BLOB, typ IN PLS_INTEGER, key IN RAW,
                    iv IN RAW DEFAULT NULL);
  FUNCTION encrypt(src IN RAW, typ IN PLS_INTEGER, key IN RAW, iv IN RAW DEFAULT NULL)
    RETURN RAW;
  PROCEDURE encrypt(dst IN OUT NOCOPY BLOB, src IN BLOB, typ IN PLS_INTEGER, key IN RAW,
                    iv IN RAW DEFAULT NULL);
  PROCEDURE encrypt(dst IN OUT NOCOPY BLOB, src IN CLOB, typ IN PLS_INTEGER, key IN RAW,
                    iv IN RAW DEFAULT NULL);
  FUNCTION hash(src IN RAW, typ IN PLS_INTEGER) RETURN RAW;
  FUNCTION hash(src IN BLOB, typ IN PLS_INTEGER) RETURN RAW;
  FUNCTION hash(src IN CLOB, typ IN PLS_INTEGER) RETURN RAW;
  FUNCTION mac(src IN RAW, typ IN PLS_INTEGER, key IN RAW) RETURN RAW;
  FUNCTION mac(src IN BLOB, typ IN PLS_INTEGER, key IN RAW) RETURN RAW;
  FUNCTION mac(src IN CLOB, typ IN PLS_INTEGER, key IN RAW) RETURN RAW;
  FUNCTION randombytes(number_bytes IN POSITIVE) RETURN RAW;
  FUNCTION randominteger RETURN BINARY_INTEGER;
  FUNCTION randomnumber RETURN NUMBER;

END dbms_crypto;
