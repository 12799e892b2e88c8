REM The general ledger package: a long, valid package body, and the two tables
REM it posts to.

CREATE TABLE ledger_entries (account_code NUMBER(6) NOT NULL, entry_date DATE NOT NULL,
  amount NUMBER(14,2), memo VARCHAR2(200));
CREATE TABLE ledger_balances (account_code NUMBER(6) NOT NULL, period VARCHAR2(6) NOT NULL,
  closing_balance NUMBER(14,2), PRIMARY KEY (account_code, period));

CREATE OR REPLACE PACKAGE ledger_pkg AS
    -- 総勘定元帳: 勘定科目ごとの仕訳計上・残高照会・締め処理
    closed_period EXCEPTION;

    -- 現金
    PROCEDURE post_cash (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_cash (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_cash (p_period IN VARCHAR2);
    PROCEDURE report_cash (p_from IN DATE, p_to IN DATE);
    -- 小口現金
    PROCEDURE post_petty_cash (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_petty_cash (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_petty_cash (p_period IN VARCHAR2);
    PROCEDURE report_petty_cash (p_from IN DATE, p_to IN DATE);
    -- 普通預金
    PROCEDURE post_bank_deposit (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_bank_deposit (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_bank_deposit (p_period IN VARCHAR2);
    PROCEDURE report_bank_deposit (p_from IN DATE, p_to IN DATE);
    -- 売掛金
    PROCEDURE post_receivables (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_receivables (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_receivables (p_period IN VARCHAR2);
    PROCEDURE report_receivables (p_from IN DATE, p_to IN DATE);
    -- 受取手形
    PROCEDURE post_notes_receivable (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_notes_receivable (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_notes_receivable (p_period IN VARCHAR2);
    PROCEDURE report_notes_receivable (p_from IN DATE, p_to IN DATE);
    -- 棚卸資産
    PROCEDURE post_inventory (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_inventory (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_inventory (p_period IN VARCHAR2);
    PROCEDURE report_inventory (p_from IN DATE, p_to IN DATE);
    -- 前払費用
    PROCEDURE post_prepaid_expenses (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_prepaid_expenses (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_prepaid_expenses (p_period IN VARCHAR2);
    PROCEDURE report_prepaid_expenses (p_from IN DATE, p_to IN DATE);
    -- 固定資産
    PROCEDURE post_fixed_assets (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_fixed_assets (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_fixed_assets (p_period IN VARCHAR2);
    PROCEDURE report_fixed_assets (p_from IN DATE, p_to IN DATE);
    -- 減価償却累計額
    PROCEDURE post_depreciation (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_depreciation (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_depreciation (p_period IN VARCHAR2);
    PROCEDURE report_depreciation (p_from IN DATE, p_to IN DATE);
    -- 買掛金
    PROCEDURE post_payables (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_payables (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_payables (p_period IN VARCHAR2);
    PROCEDURE report_payables (p_from IN DATE, p_to IN DATE);
    -- 支払手形
    PROCEDURE post_notes_payable (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_notes_payable (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_notes_payable (p_period IN VARCHAR2);
    PROCEDURE report_notes_payable (p_from IN DATE, p_to IN DATE);
    -- 未払費用
    PROCEDURE post_accrued_expenses (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_accrued_expenses (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_accrued_expenses (p_period IN VARCHAR2);
    PROCEDURE report_accrued_expenses (p_from IN DATE, p_to IN DATE);
    -- 未払法人税
    PROCEDURE post_income_tax_payable (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_income_tax_payable (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_income_tax_payable (p_period IN VARCHAR2);
    PROCEDURE report_income_tax_payable (p_from IN DATE, p_to IN DATE);
    -- 預り金
    PROCEDURE post_deposits_received (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_deposits_received (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_deposits_received (p_period IN VARCHAR2);
    PROCEDURE report_deposits_received (p_from IN DATE, p_to IN DATE);
    -- 借入金
    PROCEDURE post_loans (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_loans (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_loans (p_period IN VARCHAR2);
    PROCEDURE report_loans (p_from IN DATE, p_to IN DATE);
    -- 資本金
    PROCEDURE post_capital (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_capital (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_capital (p_period IN VARCHAR2);
    PROCEDURE report_capital (p_from IN DATE, p_to IN DATE);
    -- 繰越利益剰余金
    PROCEDURE post_retained_earnings (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_retained_earnings (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_retained_earnings (p_period IN VARCHAR2);
    PROCEDURE report_retained_earnings (p_from IN DATE, p_to IN DATE);
    -- 売上高
    PROCEDURE post_sales (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_sales (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_sales (p_period IN VARCHAR2);
    PROCEDURE report_sales (p_from IN DATE, p_to IN DATE);
    -- 売上原価
    PROCEDURE post_cost_of_sales (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_cost_of_sales (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_cost_of_sales (p_period IN VARCHAR2);
    PROCEDURE report_cost_of_sales (p_from IN DATE, p_to IN DATE);
    -- 給料手当
    PROCEDURE post_salaries (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_salaries (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_salaries (p_period IN VARCHAR2);
    PROCEDURE report_salaries (p_from IN DATE, p_to IN DATE);
    -- 地代家賃
    PROCEDURE post_rent (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_rent (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_rent (p_period IN VARCHAR2);
    PROCEDURE report_rent (p_from IN DATE, p_to IN DATE);
    -- 水道光熱費
    PROCEDURE post_utilities (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_utilities (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_utilities (p_period IN VARCHAR2);
    PROCEDURE report_utilities (p_from IN DATE, p_to IN DATE);
    -- 旅費交通費
    PROCEDURE post_travel (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_travel (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_travel (p_period IN VARCHAR2);
    PROCEDURE report_travel (p_from IN DATE, p_to IN DATE);
    -- 通信費
    PROCEDURE post_communication (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_communication (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_communication (p_period IN VARCHAR2);
    PROCEDURE report_communication (p_from IN DATE, p_to IN DATE);
    -- 広告宣伝費
    PROCEDURE post_advertising (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_advertising (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_advertising (p_period IN VARCHAR2);
    PROCEDURE report_advertising (p_from IN DATE, p_to IN DATE);
    -- 消耗品費
    PROCEDURE post_supplies (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_supplies (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_supplies (p_period IN VARCHAR2);
    PROCEDURE report_supplies (p_from IN DATE, p_to IN DATE);
    -- 保険料
    PROCEDURE post_insurance (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_insurance (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_insurance (p_period IN VARCHAR2);
    PROCEDURE report_insurance (p_from IN DATE, p_to IN DATE);
    -- 受取利息
    PROCEDURE post_interest_income (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_interest_income (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_interest_income (p_period IN VARCHAR2);
    PROCEDURE report_interest_income (p_from IN DATE, p_to IN DATE);
    -- 支払利息
    PROCEDURE post_interest_expense (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_interest_expense (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_interest_expense (p_period IN VARCHAR2);
    PROCEDURE report_interest_expense (p_from IN DATE, p_to IN DATE);
    -- 雑収入
    PROCEDURE post_misc_income (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);
    FUNCTION balance_misc_income (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;
    PROCEDURE close_misc_income (p_period IN VARCHAR2);
    PROCEDURE report_misc_income (p_from IN DATE, p_to IN DATE);
END ledger_pkg;
/

CREATE OR REPLACE PACKAGE BODY ledger_pkg AS

    g_open_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    g_balances    NUMBER := 0;

    ------------------------------------------------------------------
    -- 現金 (勘定コード 1010)
    ------------------------------------------------------------------
    PROCEDURE post_cash (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1010, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_cash;

    FUNCTION balance_cash (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1010
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_cash;

    PROCEDURE close_cash (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_cash(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1010, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1010
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1010
               AND period = p_period;
    END close_cash;

    PROCEDURE report_cash (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1010
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('現金 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_cash;

    ------------------------------------------------------------------
    -- 小口現金 (勘定コード 1020)
    ------------------------------------------------------------------
    PROCEDURE post_petty_cash (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1020, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_petty_cash;

    FUNCTION balance_petty_cash (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1020
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_petty_cash;

    PROCEDURE close_petty_cash (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_petty_cash(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1020, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1020
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1020
               AND period = p_period;
    END close_petty_cash;

    PROCEDURE report_petty_cash (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1020
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('小口現金 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_petty_cash;

    ------------------------------------------------------------------
    -- 普通預金 (勘定コード 1030)
    ------------------------------------------------------------------
    PROCEDURE post_bank_deposit (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1030, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_bank_deposit;

    FUNCTION balance_bank_deposit (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1030
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_bank_deposit;

    PROCEDURE close_bank_deposit (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_bank_deposit(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1030, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1030
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1030
               AND period = p_period;
    END close_bank_deposit;

    PROCEDURE report_bank_deposit (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1030
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('普通預金 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_bank_deposit;

    ------------------------------------------------------------------
    -- 売掛金 (勘定コード 1040)
    ------------------------------------------------------------------
    PROCEDURE post_receivables (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1040, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_receivables;

    FUNCTION balance_receivables (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1040
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_receivables;

    PROCEDURE close_receivables (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_receivables(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1040, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1040
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1040
               AND period = p_period;
    END close_receivables;

    PROCEDURE report_receivables (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1040
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('売掛金 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_receivables;

    ------------------------------------------------------------------
    -- 受取手形 (勘定コード 1050)
    ------------------------------------------------------------------
    PROCEDURE post_notes_receivable (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1050, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_notes_receivable;

    FUNCTION balance_notes_receivable (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1050
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_notes_receivable;

    PROCEDURE close_notes_receivable (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_notes_receivable(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1050, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1050
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1050
               AND period = p_period;
    END close_notes_receivable;

    PROCEDURE report_notes_receivable (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1050
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('受取手形 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_notes_receivable;

    ------------------------------------------------------------------
    -- 棚卸資産 (勘定コード 1060)
    ------------------------------------------------------------------
    PROCEDURE post_inventory (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1060, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_inventory;

    FUNCTION balance_inventory (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1060
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_inventory;

    PROCEDURE close_inventory (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_inventory(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1060, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1060
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1060
               AND period = p_period;
    END close_inventory;

    PROCEDURE report_inventory (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1060
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('棚卸資産 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_inventory;

    ------------------------------------------------------------------
    -- 前払費用 (勘定コード 1070)
    ------------------------------------------------------------------
    PROCEDURE post_prepaid_expenses (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1070, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_prepaid_expenses;

    FUNCTION balance_prepaid_expenses (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1070
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_prepaid_expenses;

    PROCEDURE close_prepaid_expenses (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_prepaid_expenses(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1070, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1070
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1070
               AND period = p_period;
    END close_prepaid_expenses;

    PROCEDURE report_prepaid_expenses (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1070
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('前払費用 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_prepaid_expenses;

    ------------------------------------------------------------------
    -- 固定資産 (勘定コード 1080)
    ------------------------------------------------------------------
    PROCEDURE post_fixed_assets (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1080, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_fixed_assets;

    FUNCTION balance_fixed_assets (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1080
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_fixed_assets;

    PROCEDURE close_fixed_assets (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_fixed_assets(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1080, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1080
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1080
               AND period = p_period;
    END close_fixed_assets;

    PROCEDURE report_fixed_assets (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1080
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('固定資産 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_fixed_assets;

    ------------------------------------------------------------------
    -- 減価償却累計額 (勘定コード 1090)
    ------------------------------------------------------------------
    PROCEDURE post_depreciation (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1090, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_depreciation;

    FUNCTION balance_depreciation (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1090
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_depreciation;

    PROCEDURE close_depreciation (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_depreciation(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1090, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1090
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1090
               AND period = p_period;
    END close_depreciation;

    PROCEDURE report_depreciation (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1090
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('減価償却累計額 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_depreciation;

    ------------------------------------------------------------------
    -- 買掛金 (勘定コード 1100)
    ------------------------------------------------------------------
    PROCEDURE post_payables (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1100, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_payables;

    FUNCTION balance_payables (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1100
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_payables;

    PROCEDURE close_payables (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_payables(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1100, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1100
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1100
               AND period = p_period;
    END close_payables;

    PROCEDURE report_payables (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1100
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('買掛金 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_payables;

    ------------------------------------------------------------------
    -- 支払手形 (勘定コード 1110)
    ------------------------------------------------------------------
    PROCEDURE post_notes_payable (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1110, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_notes_payable;

    FUNCTION balance_notes_payable (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1110
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_notes_payable;

    PROCEDURE close_notes_payable (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_notes_payable(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1110, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1110
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1110
               AND period = p_period;
    END close_notes_payable;

    PROCEDURE report_notes_payable (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1110
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('支払手形 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_notes_payable;

    ------------------------------------------------------------------
    -- 未払費用 (勘定コード 1120)
    ------------------------------------------------------------------
    PROCEDURE post_accrued_expenses (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1120, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_accrued_expenses;

    FUNCTION balance_accrued_expenses (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1120
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_accrued_expenses;

    PROCEDURE close_accrued_expenses (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_accrued_expenses(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1120, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1120
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1120
               AND period = p_period;
    END close_accrued_expenses;

    PROCEDURE report_accrued_expenses (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1120
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('未払費用 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_accrued_expenses;

    ------------------------------------------------------------------
    -- 未払法人税 (勘定コード 1130)
    ------------------------------------------------------------------
    PROCEDURE post_income_tax_payable (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1130, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_income_tax_payable;

    FUNCTION balance_income_tax_payable (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1130
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_income_tax_payable;

    PROCEDURE close_income_tax_payable (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_income_tax_payable(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1130, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1130
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1130
               AND period = p_period;
    END close_income_tax_payable;

    PROCEDURE report_income_tax_payable (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1130
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('未払法人税 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_income_tax_payable;

    ------------------------------------------------------------------
    -- 預り金 (勘定コード 1140)
    ------------------------------------------------------------------
    PROCEDURE post_deposits_received (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1140, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_deposits_received;

    FUNCTION balance_deposits_received (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1140
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_deposits_received;

    PROCEDURE close_deposits_received (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_deposits_received(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1140, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1140
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1140
               AND period = p_period;
    END close_deposits_received;

    PROCEDURE report_deposits_received (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1140
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('預り金 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_deposits_received;

    ------------------------------------------------------------------
    -- 借入金 (勘定コード 1150)
    ------------------------------------------------------------------
    PROCEDURE post_loans (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1150, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_loans;

    FUNCTION balance_loans (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1150
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_loans;

    PROCEDURE close_loans (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_loans(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1150, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1150
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1150
               AND period = p_period;
    END close_loans;

    PROCEDURE report_loans (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1150
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('借入金 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_loans;

    ------------------------------------------------------------------
    -- 資本金 (勘定コード 1160)
    ------------------------------------------------------------------
    PROCEDURE post_capital (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1160, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_capital;

    FUNCTION balance_capital (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1160
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_capital;

    PROCEDURE close_capital (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_capital(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1160, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1160
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1160
               AND period = p_period;
    END close_capital;

    PROCEDURE report_capital (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1160
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('資本金 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_capital;

    ------------------------------------------------------------------
    -- 繰越利益剰余金 (勘定コード 1170)
    ------------------------------------------------------------------
    PROCEDURE post_retained_earnings (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1170, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_retained_earnings;

    FUNCTION balance_retained_earnings (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1170
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_retained_earnings;

    PROCEDURE close_retained_earnings (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_retained_earnings(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1170, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1170
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1170
               AND period = p_period;
    END close_retained_earnings;

    PROCEDURE report_retained_earnings (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1170
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('繰越利益剰余金 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_retained_earnings;

    ------------------------------------------------------------------
    -- 売上高 (勘定コード 1180)
    ------------------------------------------------------------------
    PROCEDURE post_sales (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1180, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_sales;

    FUNCTION balance_sales (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1180
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_sales;

    PROCEDURE close_sales (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_sales(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1180, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1180
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1180
               AND period = p_period;
    END close_sales;

    PROCEDURE report_sales (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1180
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('売上高 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_sales;

    ------------------------------------------------------------------
    -- 売上原価 (勘定コード 1190)
    ------------------------------------------------------------------
    PROCEDURE post_cost_of_sales (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1190, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_cost_of_sales;

    FUNCTION balance_cost_of_sales (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1190
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_cost_of_sales;

    PROCEDURE close_cost_of_sales (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_cost_of_sales(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1190, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1190
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1190
               AND period = p_period;
    END close_cost_of_sales;

    PROCEDURE report_cost_of_sales (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1190
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('売上原価 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_cost_of_sales;

    ------------------------------------------------------------------
    -- 給料手当 (勘定コード 1200)
    ------------------------------------------------------------------
    PROCEDURE post_salaries (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1200, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_salaries;

    FUNCTION balance_salaries (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1200
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_salaries;

    PROCEDURE close_salaries (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_salaries(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1200, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1200
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1200
               AND period = p_period;
    END close_salaries;

    PROCEDURE report_salaries (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1200
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('給料手当 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_salaries;

    ------------------------------------------------------------------
    -- 地代家賃 (勘定コード 1210)
    ------------------------------------------------------------------
    PROCEDURE post_rent (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1210, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_rent;

    FUNCTION balance_rent (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1210
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_rent;

    PROCEDURE close_rent (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_rent(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1210, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1210
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1210
               AND period = p_period;
    END close_rent;

    PROCEDURE report_rent (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1210
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('地代家賃 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_rent;

    ------------------------------------------------------------------
    -- 水道光熱費 (勘定コード 1220)
    ------------------------------------------------------------------
    PROCEDURE post_utilities (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1220, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_utilities;

    FUNCTION balance_utilities (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1220
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_utilities;

    PROCEDURE close_utilities (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_utilities(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1220, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1220
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1220
               AND period = p_period;
    END close_utilities;

    PROCEDURE report_utilities (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1220
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('水道光熱費 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_utilities;

    ------------------------------------------------------------------
    -- 旅費交通費 (勘定コード 1230)
    ------------------------------------------------------------------
    PROCEDURE post_travel (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1230, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_travel;

    FUNCTION balance_travel (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1230
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_travel;

    PROCEDURE close_travel (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_travel(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1230, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1230
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1230
               AND period = p_period;
    END close_travel;

    PROCEDURE report_travel (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1230
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('旅費交通費 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_travel;

    ------------------------------------------------------------------
    -- 通信費 (勘定コード 1240)
    ------------------------------------------------------------------
    PROCEDURE post_communication (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1240, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_communication;

    FUNCTION balance_communication (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1240
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_communication;

    PROCEDURE close_communication (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_communication(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1240, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1240
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1240
               AND period = p_period;
    END close_communication;

    PROCEDURE report_communication (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1240
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('通信費 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_communication;

    ------------------------------------------------------------------
    -- 広告宣伝費 (勘定コード 1250)
    ------------------------------------------------------------------
    PROCEDURE post_advertising (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1250, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_advertising;

    FUNCTION balance_advertising (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1250
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_advertising;

    PROCEDURE close_advertising (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_advertising(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1250, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1250
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1250
               AND period = p_period;
    END close_advertising;

    PROCEDURE report_advertising (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1250
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('広告宣伝費 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_advertising;

    ------------------------------------------------------------------
    -- 消耗品費 (勘定コード 1260)
    ------------------------------------------------------------------
    PROCEDURE post_supplies (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1260, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_supplies;

    FUNCTION balance_supplies (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1260
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_supplies;

    PROCEDURE close_supplies (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_supplies(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1260, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1260
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1260
               AND period = p_period;
    END close_supplies;

    PROCEDURE report_supplies (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1260
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('消耗品費 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_supplies;

    ------------------------------------------------------------------
    -- 保険料 (勘定コード 1270)
    ------------------------------------------------------------------
    PROCEDURE post_insurance (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1270, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_insurance;

    FUNCTION balance_insurance (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1270
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_insurance;

    PROCEDURE close_insurance (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_insurance(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1270, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1270
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1270
               AND period = p_period;
    END close_insurance;

    PROCEDURE report_insurance (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1270
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('保険料 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_insurance;

    ------------------------------------------------------------------
    -- 受取利息 (勘定コード 1280)
    ------------------------------------------------------------------
    PROCEDURE post_interest_income (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1280, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_interest_income;

    FUNCTION balance_interest_income (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1280
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_interest_income;

    PROCEDURE close_interest_income (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_interest_income(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1280, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1280
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1280
               AND period = p_period;
    END close_interest_income;

    PROCEDURE report_interest_income (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1280
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('受取利息 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_interest_income;

    ------------------------------------------------------------------
    -- 支払利息 (勘定コード 1290)
    ------------------------------------------------------------------
    PROCEDURE post_interest_expense (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1290, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_interest_expense;

    FUNCTION balance_interest_expense (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1290
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_interest_expense;

    PROCEDURE close_interest_expense (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_interest_expense(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1290, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1290
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1290
               AND period = p_period;
    END close_interest_expense;

    PROCEDURE report_interest_expense (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1290
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('支払利息 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_interest_expense;

    ------------------------------------------------------------------
    -- 雑収入 (勘定コード 1300)
    ------------------------------------------------------------------
    PROCEDURE post_misc_income (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS
        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');
    BEGIN
        IF v_period <> g_open_period THEN
            RAISE closed_period;
        END IF;
        IF p_amount IS NULL OR p_amount = 0 THEN
            RETURN; -- 金額ゼロの仕訳は計上しない
        END IF;
        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)
        VALUES (1300, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));
        g_balances := g_balances + p_amount;
    END post_misc_income;

    FUNCTION balance_misc_income (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0)
          INTO v_total
          FROM ledger_entries
         WHERE account_code = 1300
           AND entry_date <= p_as_of;
        RETURN v_total;
    END balance_misc_income;

    PROCEDURE close_misc_income (p_period IN VARCHAR2) IS
        v_total NUMBER;
    BEGIN
        -- 期末残高を翌期へ繰り越す
        v_total := balance_misc_income(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));
        INSERT INTO ledger_balances (account_code, period, closing_balance)
        VALUES (1300, p_period, v_total);
        DELETE FROM ledger_entries
         WHERE account_code = 1300
           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;
    EXCEPTION
        WHEN DUP_VAL_ON_INDEX THEN
            UPDATE ledger_balances
               SET closing_balance = v_total
             WHERE account_code = 1300
               AND period = p_period;
    END close_misc_income;

    PROCEDURE report_misc_income (p_from IN DATE, p_to IN DATE) IS
        CURSOR c_entries IS
            SELECT entry_date, amount, memo
              FROM ledger_entries
             WHERE account_code = 1300
               AND entry_date BETWEEN p_from AND p_to
             ORDER BY entry_date;
        v_running NUMBER := 0;
    BEGIN
        DBMS_OUTPUT.PUT_LINE('雑収入 ' || TO_CHAR(p_from, 'YYYY-MM-DD')
                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));
        FOR r IN c_entries LOOP
            v_running := v_running + r.amount;
            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '
                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '
                                 || TO_CHAR(v_running, '999,999,990.00') || ' '
                                 || r.memo);
        END LOOP;
    END report_misc_income;

    PROCEDURE open_period (p_period IN VARCHAR2) IS
    BEGIN
        g_open_period := p_period;
    END open_period;

BEGIN
    -- パッケージ初期化: 当月を会計期間として開く
    open_period(TO_CHAR(SYSDATE, 'YYYYMM'));
END ledger_pkg;
/
