// Runs every golden design case of tests/cases through the design probe.
//
// A case is a folder holding input.json and either expected.json (the fields
// the case is about; see tests/cases/README.md for how they are compared) or
// expected_error.txt (a text the probe's error message must contain).

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <cmath>
#include <string>
#include <vector>

namespace {

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  const QDir dir(KELVORA_CASES_DIR);
  for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
    if (QFile::exists(dir.filePath(name + "/input.json"))) names.push_back(name.toStdString());
  return names;
}

QString TrimRight(QString text) {
  while (text.endsWith(' ')) text.chop(1);
  return text;
}

// Compares the fields `expected` names with `actual`; appends one line per
// difference. null in expected matches anything.
void Compare(const QJsonValue& expected, const QJsonValue& actual, const QString& path, QStringList& differences) {
  if (expected.isNull()) return;
  auto differ = [&](const QString& why) { differences << path + ": " + why; };
  if (expected.isObject()) {
    if (!actual.isObject()) return differ("expected an object");
    const QJsonObject want = expected.toObject();
    const QJsonObject have = actual.toObject();
    for (auto it = want.begin(); it != want.end(); ++it) {
      if (!have.contains(it.key())) {
        differences << path + "." + it.key() + ": missing from the output";
        continue;
      }
      Compare(it.value(), have.value(it.key()), path.isEmpty() ? it.key() : path + "." + it.key(), differences);
    }
  } else if (expected.isArray()) {
    if (!actual.isArray()) return differ("expected an array");
    const QJsonArray want = expected.toArray();
    const QJsonArray have = actual.toArray();
    if (want.size() != have.size())
      return differ(QString("expected %1 elements, got %2").arg(want.size()).arg(have.size()));
    for (qsizetype i = 0; i < want.size(); ++i) Compare(want[i], have[i], path + "[" + QString::number(i) + "]", differences);
  } else if (expected.isDouble()) {
    if (!actual.isDouble() || std::fabs(actual.toDouble() - expected.toDouble()) > 1e-3)
      differ("expected " + QString::number(expected.toDouble(), 'g', 10) + ", got " +
             QJsonDocument(QJsonArray{actual}).toJson(QJsonDocument::Compact));
  } else if (expected.isString()) {
    // Without trailing blanks in the expected text, the padding is not compared.
    const QString want = expected.toString();
    const QString have = actual.toString();
    const bool same = want.endsWith(' ') ? have == want : TrimRight(have) == want;
    if (!actual.isString() || !same) differ("expected \"" + want + "\", got \"" + have + "\"");
  } else if (expected != actual) {
    differ("differs");
  }
}

class DesignCase : public ::testing::TestWithParam<std::string> {};

TEST_P(DesignCase, MatchesItsExpectedFields) {
  const QDir dir(QString(KELVORA_CASES_DIR) + "/" + QString::fromStdString(GetParam()));
  QProcess probe;
  probe.start(KELVORA_DESIGN_PROBE, {});
  ASSERT_TRUE(probe.waitForStarted()) << "cannot start " << KELVORA_DESIGN_PROBE;
  probe.write(ReadFile(dir.filePath("input.json")));
  probe.closeWriteChannel();
  ASSERT_TRUE(probe.waitForFinished(30000));
  const QByteArray out = probe.readAllStandardOutput();
  const QString err = QString::fromUtf8(probe.readAllStandardError());

  if (QFile::exists(dir.filePath("expected_error.txt"))) {
    const QString wanted = QString::fromUtf8(ReadFile(dir.filePath("expected_error.txt"))).trimmed();
    EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit) << "the probe crashed";
    EXPECT_NE(probe.exitCode(), 0);
    EXPECT_TRUE(out.isEmpty()) << out.toStdString();
    EXPECT_TRUE(err.contains(wanted)) << "stderr: " << err.toStdString() << "\nwanted: " << wanted.toStdString();
    return;
  }

  ASSERT_EQ(probe.exitCode(), 0) << err.toStdString();
  QJsonParseError parseError;
  const QJsonDocument expected = QJsonDocument::fromJson(ReadFile(dir.filePath("expected.json")), &parseError);
  ASSERT_EQ(parseError.error, QJsonParseError::NoError) << "expected.json: " << parseError.errorString().toStdString();
  const QJsonDocument actual = QJsonDocument::fromJson(out, &parseError);
  ASSERT_EQ(parseError.error, QJsonParseError::NoError) << "probe output: " << parseError.errorString().toStdString();
  ASSERT_TRUE(expected.isObject() && !expected.object().isEmpty()) << "expected.json lists no fields";

  QStringList differences;
  Compare(expected.object(), actual.object(), "", differences);
  EXPECT_TRUE(differences.isEmpty()) << differences.join('\n').toStdString();
}

std::string CaseTestName(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, DesignCase, ::testing::ValuesIn(CaseNames()), CaseTestName);

TEST(DesignCases, TheCaseFolderHoldsCases) { EXPECT_FALSE(CaseNames().empty()) << KELVORA_CASES_DIR; }

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
