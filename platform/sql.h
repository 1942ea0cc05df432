#pragma once
// A small RAII layer over SQLite through Qt Sql (QSQLITE driver).
//
// - SqlConnection: one open database file. Foreign keys are switched on at
//   every open, and the file is read once at open time so that a file that
//   is not a database is refused there and not at a later first use. Each
//   connection has its own Qt connection name, removed when it closes.
// - SqlStatement: a prepared statement with positional (?) parameters. Text
//   from the engineer only ever reaches SQL as a bound parameter.
// - SqlTransaction: BEGIN on construction, ROLLBACK on destruction unless
//   commit() succeeded.
// - Errors are values (SqlStatus): the SQLite primary result code and the
//   engine's message text, passed back to the caller.
//
// Statements hold driver resources: destroy (or reset()) every statement of a
// connection before the connection closes, and finish reading a SELECT before
// COMMIT or VACUUM.

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <memory>
#include <vector>

namespace platform {

// SQLite primary result codes the program looks at.
enum SqliteCode : int {
    SqliteOk = 0,
    SqliteError = 1,
    SqliteInternal = 2,
    SqliteBusy = 5,
    SqliteLocked = 6,
    SqliteReadOnly = 8,
    SqliteIoErr = 10,
    SqliteCorrupt = 11,
    SqliteCantOpen = 14,
    SqliteConstraint = 19,
    SqliteMisuse = 21,
    SqliteNotADatabase = 26,
};

// Success, or a failure with its SQLite result code and message text.
class SqlStatus {
public:
    SqlStatus() = default;  // success
    static SqlStatus failure(int code, const QString &text);

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    // The SQLite primary result code (extended codes are reduced to their
    // primary code); 0 on success, SqliteError when the driver gave none.
    int code() const { return code_; }
    const QString &text() const { return text_; }

private:
    bool failed_ = false;
    int code_ = SqliteOk;
    QString text_;
};

// The rows of a query: row-major, columns in the order of the SELECT list.
using SqlRow = std::vector<QVariant>;
using SqlRows = std::vector<SqlRow>;

class SqlStatement {
public:
    SqlStatement(SqlStatement &&) noexcept;
    SqlStatement &operator=(SqlStatement &&) noexcept;
    SqlStatement(const SqlStatement &) = delete;
    SqlStatement &operator=(const SqlStatement &) = delete;
    ~SqlStatement();

    // The preparation's outcome, then that of the last exec() or next().
    const SqlStatus &status() const { return status_; }

    // Binds the next positional parameter (the first call binds the first ?).
    // A null QVariant binds SQL NULL.
    SqlStatement &bind(const QVariant &value);
    // Binds a parameter by its position, counting from 0.
    SqlStatement &bindAt(int position, const QVariant &value);

    // Runs the statement with the parameters bound so far; a SELECT then
    // stands before its first row. Bindings stay for a further exec().
    SqlStatus exec();
    // Moves to the next row of a SELECT; false at the end or on a failure
    // (status() tells which).
    bool next();
    QVariant value(int column) const;
    QVariant value(const QString &columnName) const;
    int columnCount() const;
    QString columnName(int column) const;
    // Rows changed by the last INSERT, UPDATE or DELETE.
    int rowsAffected() const;
    // Releases the statement's read cursor so that COMMIT or VACUUM can run;
    // the statement may be run again.
    void finish();

private:
    friend class SqlConnection;
    SqlStatement(const QSqlDatabase &db, const QString &sql);
    // The result's columns, taken once per exec(): Qt builds a whole record
    // on every call of QSqlQuery::record().
    const QSqlRecord &columns() const;
    std::unique_ptr<QSqlQuery> query_;
    SqlStatus status_;
    int nextPosition_ = 0;
    mutable QSqlRecord columns_;
    mutable bool columnsTaken_ = false;
};

class SqlConnection {
public:
    enum class OpenMode {
        OpenExisting,   // the file must exist; it is never created
        CreateOrOpen,   // created (empty) when it does not exist
    };

    // Opens the file at path. On failure returns null and sets status: for
    // example SqliteCantOpen (missing file or folder), SqliteNotADatabase,
    // SqliteBusy (locked by another connection), SqliteReadOnly (a file the
    // user may not write: the program always writes). busyTimeoutMs is how long
    // a statement waits for another connection's lock before failing.
    static std::unique_ptr<SqlConnection> open(const QString &path, OpenMode mode,
                                                SqlStatus &status, int busyTimeoutMs = 0);

    ~SqlConnection();
    SqlConnection(const SqlConnection &) = delete;
    SqlConnection &operator=(const SqlConnection &) = delete;

    const QString &path() const { return path_; }

    // A prepared statement; check status() before use.
    SqlStatement prepare(const QString &sql);

    // Runs one statement with positional parameters, keeping no rows.
    SqlStatus exec(const QString &sql, const QVariantList &params = {});
    // Runs one statement and appends every row it returns to rows.
    SqlStatus select(const QString &sql, const QVariantList &params, SqlRows &rows);
    // Rows changed by the last exec().
    int lastRowsAffected() const { return lastRowsAffected_; }

    // Switches foreign keys on and checks that SQLite took it: it ignores the
    // switch inside a transaction. Every open does this.
    SqlStatus enforceForeignKeys();

    bool hasTable(const QString &table);
    // Column names of a table in their order; empty when there is no such table.
    QStringList columnNames(const QString &table);

    // The Qt handle, for Qt Sql classes that need one. Do not close it.
    QSqlDatabase handle() const { return db_; }

private:
    SqlConnection() = default;
    // The statement prepared, bound and run; its status() tells the outcome.
    SqlStatement run(const QString &sql, const QVariantList &params);
    QString name_;
    QString path_;
    QSqlDatabase db_;
    int lastRowsAffected_ = 0;
};

class SqlTransaction {
public:
    enum class Kind {
        Deferred,    // BEGIN: locks on first read or write
        Immediate,   // BEGIN IMMEDIATE: takes the write lock at once
    };

    explicit SqlTransaction(SqlConnection &connection, Kind kind = Kind::Deferred);
    ~SqlTransaction();  // rolls back unless committed
    SqlTransaction(const SqlTransaction &) = delete;
    SqlTransaction &operator=(const SqlTransaction &) = delete;

    // The outcome of BEGIN; when it failed no transaction is open.
    const SqlStatus &status() const { return begin_; }
    bool active() const { return active_; }
    SqlStatus commit();
    SqlStatus rollback();

private:
    SqlConnection &connection_;
    SqlStatus begin_;
    bool active_ = false;
};

// The status of a Qt Sql error, with the SQLite code reduced to its primary code.
SqlStatus statusFromError(const QSqlError &error);

} // namespace platform
