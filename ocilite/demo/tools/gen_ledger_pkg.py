#!/usr/bin/env python3
"""Writes sql/ledger_pkg.sql: the demo's long package (a general ledger with one posting,
balance and closing routine per account), so the source view has a body of well over
1,500 lines to show. Run from ocilite/demo: python3 tools/gen_ledger_pkg.py"""

ACCOUNTS = [
    ("cash", "現金"), ("petty_cash", "小口現金"), ("bank_deposit", "普通預金"),
    ("receivables", "売掛金"), ("notes_receivable", "受取手形"), ("inventory", "棚卸資産"),
    ("prepaid_expenses", "前払費用"), ("fixed_assets", "固定資産"), ("depreciation", "減価償却累計額"),
    ("payables", "買掛金"), ("notes_payable", "支払手形"), ("accrued_expenses", "未払費用"),
    ("income_tax_payable", "未払法人税"), ("deposits_received", "預り金"), ("loans", "借入金"),
    ("capital", "資本金"), ("retained_earnings", "繰越利益剰余金"), ("sales", "売上高"),
    ("cost_of_sales", "売上原価"), ("salaries", "給料手当"), ("rent", "地代家賃"),
    ("utilities", "水道光熱費"), ("travel", "旅費交通費"), ("communication", "通信費"),
    ("advertising", "広告宣伝費"), ("supplies", "消耗品費"), ("insurance", "保険料"),
    ("interest_income", "受取利息"), ("interest_expense", "支払利息"), ("misc_income", "雑収入"),
]


def spec():
    out = ["CREATE OR REPLACE PACKAGE ledger_pkg AS",
           "    -- 総勘定元帳: 勘定科目ごとの仕訳計上・残高照会・締め処理",
           "    closed_period EXCEPTION;",
           ""]
    for acct, jp in ACCOUNTS:
        out += [f"    -- {jp}",
                f"    PROCEDURE post_{acct} (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL);",
                f"    FUNCTION balance_{acct} (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER;",
                f"    PROCEDURE close_{acct} (p_period IN VARCHAR2);",
                f"    PROCEDURE report_{acct} (p_from IN DATE, p_to IN DATE);"]
    out += ["END ledger_pkg;", "/"]
    return out


def body():
    out = ["CREATE OR REPLACE PACKAGE BODY ledger_pkg AS",
           "",
           "    g_open_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');",
           "    g_balances    NUMBER := 0;",
           ""]
    for n, (acct, jp) in enumerate(ACCOUNTS, start=1):
        code = 1000 + n * 10
        out += [
            f"    ------------------------------------------------------------------",
            f"    -- {jp} (勘定コード {code})",
            f"    ------------------------------------------------------------------",
            f"    PROCEDURE post_{acct} (p_amount IN NUMBER, p_memo IN VARCHAR2 DEFAULT NULL) IS",
            f"        v_period VARCHAR2(6) := TO_CHAR(SYSDATE, 'YYYYMM');",
            f"    BEGIN",
            f"        IF v_period <> g_open_period THEN",
            f"            RAISE closed_period;",
            f"        END IF;",
            f"        IF p_amount IS NULL OR p_amount = 0 THEN",
            f"            RETURN; -- 金額ゼロの仕訳は計上しない",
            f"        END IF;",
            f"        INSERT INTO ledger_entries (account_code, entry_date, amount, memo)",
            f"        VALUES ({code}, SYSDATE, p_amount, SUBSTR(p_memo, 1, 200));",
            f"        g_balances := g_balances + p_amount;",
            f"    END post_{acct};",
            f"",
            f"    FUNCTION balance_{acct} (p_as_of IN DATE DEFAULT SYSDATE) RETURN NUMBER IS",
            f"        v_total NUMBER;",
            f"    BEGIN",
            f"        SELECT NVL(SUM(amount), 0)",
            f"          INTO v_total",
            f"          FROM ledger_entries",
            f"         WHERE account_code = {code}",
            f"           AND entry_date <= p_as_of;",
            f"        RETURN v_total;",
            f"    END balance_{acct};",
            f"",
            f"    PROCEDURE close_{acct} (p_period IN VARCHAR2) IS",
            f"        v_total NUMBER;",
            f"    BEGIN",
            f"        -- 期末残高を翌期へ繰り越す",
            f"        v_total := balance_{acct}(LAST_DAY(TO_DATE(p_period, 'YYYYMM')));",
            f"        INSERT INTO ledger_balances (account_code, period, closing_balance)",
            f"        VALUES ({code}, p_period, v_total);",
            f"        DELETE FROM ledger_entries",
            f"         WHERE account_code = {code}",
            f"           AND TO_CHAR(entry_date, 'YYYYMM') <= p_period;",
            f"    EXCEPTION",
            f"        WHEN DUP_VAL_ON_INDEX THEN",
            f"            UPDATE ledger_balances",
            f"               SET closing_balance = v_total",
            f"             WHERE account_code = {code}",
            f"               AND period = p_period;",
            f"    END close_{acct};",
            f"",
            f"    PROCEDURE report_{acct} (p_from IN DATE, p_to IN DATE) IS",
            f"        CURSOR c_entries IS",
            f"            SELECT entry_date, amount, memo",
            f"              FROM ledger_entries",
            f"             WHERE account_code = {code}",
            f"               AND entry_date BETWEEN p_from AND p_to",
            f"             ORDER BY entry_date;",
            f"        v_running NUMBER := 0;",
            f"    BEGIN",
            f"        DBMS_OUTPUT.PUT_LINE('{jp} ' || TO_CHAR(p_from, 'YYYY-MM-DD')",
            f"                             || ' - ' || TO_CHAR(p_to, 'YYYY-MM-DD'));",
            f"        FOR r IN c_entries LOOP",
            f"            v_running := v_running + r.amount;",
            f"            DBMS_OUTPUT.PUT_LINE(TO_CHAR(r.entry_date, 'YYYY-MM-DD') || ' '",
            f"                                 || TO_CHAR(r.amount, '999,999,990.00') || ' '",
            f"                                 || TO_CHAR(v_running, '999,999,990.00') || ' '",
            f"                                 || r.memo);",
            f"        END LOOP;",
            f"    END report_{acct};",
            f"",
        ]
    out += [
        "    PROCEDURE open_period (p_period IN VARCHAR2) IS",
        "    BEGIN",
        "        g_open_period := p_period;",
        "    END open_period;",
        "",
        "BEGIN",
        "    -- パッケージ初期化: 当月を会計期間として開く",
        "    open_period(TO_CHAR(SYSDATE, 'YYYYMM'));",
        "END ledger_pkg;",
        "/",
    ]
    return out


def main():
    lines = ["REM The general ledger package: a long, valid package body, and the two tables",
             "REM it posts to.", "",
             "CREATE TABLE ledger_entries (account_code NUMBER(6) NOT NULL, entry_date DATE NOT NULL,",
             "  amount NUMBER(14,2), memo VARCHAR2(200));",
             "CREATE TABLE ledger_balances (account_code NUMBER(6) NOT NULL, period VARCHAR2(6) NOT NULL,",
             "  closing_balance NUMBER(14,2), PRIMARY KEY (account_code, period));", ""]
    lines += spec() + [""] + body()
    with open("sql/ledger_pkg.sql", "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
