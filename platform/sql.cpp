#include "platform/sql.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>
#include <QUrl>
#include <atomic>

namespace platform {

namespace {

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("kelvora-sql-%1").arg(++counter);
}

} // namespace

SqlStatus SqlStatus::failure(int code, const QString &text)
{
    SqlStatus s;
    s.failed_ = true;
    s.code_ = code == SqliteOk ? SqliteError : code;
    s.text_ = text;
    return s;
}

SqlStatus statusFromError(const QSqlError &error)
{
    if (error.type() == QSqlError::NoError)
        return {};
    bool numeric = false;
    int code = error.nativeErrorCode().toInt(&numeric);
    // The driver switches on extended result codes; the low byte is the
    // primary code (SQLITE_BUSY_SNAPSHOT -> SQLITE_BUSY, and so on).
    code = numeric ? (code & 0xFF) : SqliteError;
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.driverText();
    return SqlStatus::failure(code, text);
}

// ---- SqlStatement -------------------------------------------------------

SqlStatement::SqlStatement(const QSqlDatabase &db, const QString &sql)
    : query_(std::make_unique<QSqlQuery>(db))
{
    query_->setForwardOnly(true);
    if (!query_->prepare(sql))
        status_ = statusFromError(query_->lastError());
}

SqlStatement::SqlStatement(SqlStatement &&) noexcept = default;
SqlStatement &SqlStatement::operator=(SqlStatement &&) noexcept = default;
SqlStatement::~SqlStatement() = default;

SqlStatement &SqlStatement::bind(const QVariant &value)
{
    return bindAt(nextPosition_, value);
}

SqlStatement &SqlStatement::bindAt(int position, const QVariant &value)
{
    if (query_)
        query_->bindValue(position, value);
    nextPosition_ = position + 1;
    return *this;
}

SqlStatus SqlStatement::exec()
{
    if (!query_)
        return status_ = SqlStatus::failure(SqliteMisuse, QStringLiteral("statement moved from"));
    columnsTaken_ = false;
    status_ = query_->exec() ? SqlStatus() : statusFromError(query_->lastError());
    return status_;
}

bool SqlStatement::next()
{
    if (!query_ || !status_.ok())
        return false;
    if (query_->next())
        return true;
    // A step that failed leaves an error; running off the end does not.
    if (query_->lastError().type() != QSqlError::NoError)
        status_ = statusFromError(query_->lastError());
    return false;
}

QVariant SqlStatement::value(int column) const
{
    return query_ ? query_->value(column) : QVariant();
}

const QSqlRecord &SqlStatement::columns() const
{
    if (!columnsTaken_ && query_) {
        columns_ = query_->record();
        columnsTaken_ = true;
    }
    return columns_;
}

QVariant SqlStatement::value(const QString &columnName) const
{
    if (!query_)
        return QVariant();
    const int column = columns().indexOf(columnName);
    return column < 0 ? QVariant() : query_->value(column);
}

int SqlStatement::columnCount() const
{
    return query_ ? columns().count() : 0;
}

QString SqlStatement::columnName(int column) const
{
    return query_ ? columns().fieldName(column) : QString();
}

int SqlStatement::rowsAffected() const
{
    return query_ ? query_->numRowsAffected() : 0;
}

void SqlStatement::finish()
{
    if (query_)
        query_->finish();
}

// ---- SqlConnection ------------------------------------------------------

std::unique_ptr<SqlConnection> SqlConnection::open(const QString &path, OpenMode mode,
                                                   SqlStatus &status, int busyTimeoutMs)
{
    status = {};
    std::unique_ptr<SqlConnection> c(new SqlConnection);
    c->name_ = nextConnectionName();
    c->path_ = path;
    c->db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), c->name_);
    if (!c->db_.isValid()) {
        status = SqlStatus::failure(SqliteCantOpen, QStringLiteral("the SQLite driver of Qt Sql is not available"));
        return nullptr;  // the destructor removes the connection name
    }

    // SQLite quietly opens a file it may not write read-only, and fails only
    // at the first write; refuse such a file here, with the code that write
    // would give.
    const QFileInfo file(path);
    if (file.exists() && !file.isDir() && !file.isWritable()) {
        status = SqlStatus::failure(SqliteReadOnly, QStringLiteral("attempt to write a readonly database"));
        return nullptr;
    }

    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs < 0 ? 0 : busyTimeoutMs);
    if (mode == OpenMode::OpenExisting) {
        // A URI with mode=rw opens an existing file only; SQLite never creates it.
        QString uri = QUrl::fromLocalFile(file.absoluteFilePath()).toString(QUrl::FullyEncoded);
        c->db_.setDatabaseName(uri + QStringLiteral("?mode=rw"));
        options += QStringLiteral(";QSQLITE_OPEN_URI");
    } else {
        c->db_.setDatabaseName(path);
    }
    c->db_.setConnectOptions(options);

    if (!c->db_.open()) {
        status = statusFromError(c->db_.lastError());
        return nullptr;
    }
    // SQLite reads the file only when first asked to: read the schema now so
    // that a file that is not a database (or is locked) is refused here.
    SqlRows rows;
    status = c->select(QStringLiteral("SELECT count(*) FROM sqlite_master"), {}, rows);
    if (status.ok())
        status = c->enforceForeignKeys();
    if (!status.ok())
        return nullptr;
    return c;
}

SqlConnection::~SqlConnection()
{
    if (db_.isOpen())
        db_.close();
    db_ = QSqlDatabase();
    if (!name_.isEmpty())
        QSqlDatabase::removeDatabase(name_);
}

SqlStatement SqlConnection::prepare(const QString &sql)
{
    return SqlStatement(db_, sql);
}

SqlStatement SqlConnection::run(const QString &sql, const QVariantList &params)
{
    SqlStatement st = prepare(sql);
    if (st.status().ok()) {
        for (const QVariant &p : params)
            st.bind(p);
        st.exec();
    }
    return st;
}

SqlStatus SqlConnection::exec(const QString &sql, const QVariantList &params)
{
    lastRowsAffected_ = 0;
    const SqlStatement st = run(sql, params);
    if (st.status().ok())
        lastRowsAffected_ = st.rowsAffected();
    return st.status();
}

SqlStatus SqlConnection::select(const QString &sql, const QVariantList &params, SqlRows &rows)
{
    SqlStatement st = run(sql, params);
    if (!st.status().ok())
        return st.status();
    const int columns = st.columnCount();
    while (st.next()) {
        SqlRow row;
        row.reserve(static_cast<size_t>(columns));
        for (int i = 0; i < columns; ++i)
            row.push_back(st.value(i));
        rows.push_back(std::move(row));
    }
    return st.status();
}

SqlStatus SqlConnection::enforceForeignKeys()
{
    SqlStatus s = exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    if (!s.ok())
        return s;
    SqlRows rows;
    s = select(QStringLiteral("PRAGMA foreign_keys"), {}, rows);
    if (s.ok() && (rows.empty() || rows.front().front().toInt() != 1))
        s = SqlStatus::failure(SqliteError, QStringLiteral("foreign keys cannot be enforced"));
    return s;
}

bool SqlConnection::hasTable(const QString &table)
{
    SqlRows rows;
    SqlStatus s = select(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"),
                         {table}, rows);
    return s.ok() && !rows.empty();
}

QStringList SqlConnection::columnNames(const QString &table)
{
    SqlRows rows;
    QStringList names;
    if (!select(QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid"), {table}, rows).ok())
        return names;
    for (const SqlRow &r : rows)
        names << r.front().toString();
    return names;
}

// ---- SqlTransaction -----------------------------------------------------

SqlTransaction::SqlTransaction(SqlConnection &connection, Kind kind)
    : connection_(connection)
{
    begin_ = connection_.exec(kind == Kind::Immediate ? QStringLiteral("BEGIN IMMEDIATE")
                                                      : QStringLiteral("BEGIN"));
    active_ = begin_.ok();
}

SqlTransaction::~SqlTransaction()
{
    if (active_)
        rollback();
}

SqlStatus SqlTransaction::commit()
{
    if (!active_)
        return SqlStatus::failure(SqliteMisuse, QStringLiteral("no transaction is open"));
    SqlStatus s = connection_.exec(QStringLiteral("COMMIT"));
    // A COMMIT refused for a busy lock leaves the transaction open; the
    // destructor then rolls it back.
    if (s.ok())
        active_ = false;
    return s;
}

SqlStatus SqlTransaction::rollback()
{
    if (!active_)
        return {};
    active_ = false;
    return connection_.exec(QStringLiteral("ROLLBACK"));
}

} // namespace platform
