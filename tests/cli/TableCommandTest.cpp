// tarvo-cli table end to end: the JSON and CSV of a document holding the golden cases against
// the same calculation in this process, the CSV as Python's csv module reads it, and the
// failures that must leave no output file.
#include "GoldenCases.h"
#include "RunTarvoCli.h"
#include "doc/CaseTable.h"
#include "model/BarTable.h"
#include "model/CaseFile.h"
#include "model/TextCodec.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

const QString kReinf = QStringLiteral(TARVO_TEST_DATA "/../res/reinf.txt");

struct CliRun {
    int status;
    QByteArray out;
    QByteArray err;
};

CliRun RunCli(const QStringList& args) {
    QTemporaryDir dir;
    std::vector<std::string> arguments;
    for (const QString& arg : args)
        arguments.push_back(QFile::encodeName(arg).toStdString());
    const QString out = dir.filePath(QStringLiteral("stdout"));
    const QString err = dir.filePath(QStringLiteral("stderr"));
    const int status = RunTarvoCli(arguments, {out.toStdString(), err.toStdString()});
    auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    return {status, read(out), read(err)};
}

std::vector<CRTData> GoldenDocument() {
    std::vector<CRTData> cases;
    for (const GoldenCase& g : kGoldenCases) {
        CRTData c = g.wall;
        c.m_strTitle = std::wstring(g.file, g.file + std::strlen(g.file));
        cases.push_back(c);
    }
    cases[1].m_strTitle = L"東側, \"A\" 擁壁";
    cases[2].m_bPrint = 0;
    return cases;
}

class TableCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadBarTable(kReinf.toStdString())); }
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_cases = GoldenDocument();
        CDocSettings settings;
        settings.nCurrent = 0;
        const std::vector<std::uint8_t> bytes = WriteCaseFile(settings, m_cases);
        QFile file(Path("walls.tarvo"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    }
    QString Path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    std::vector<CRTData> m_cases;
};

// A double from JSON: a number, or null with its "<key>_nonfinite" flag.
double JsonNumber(const QJsonObject& object, const QString& key) {
    const QJsonValue v = object.value(key);
    if (!v.isNull())
        return v.toDouble();
    const QString flag = object.value(key + QStringLiteral("_nonfinite")).toString();
    if (flag == QStringLiteral("nan"))
        return std::nan("");
    if (flag == QStringLiteral("inf"))
        return HUGE_VAL;
    if (flag == QStringLiteral("-inf"))
        return -HUGE_VAL;
    ADD_FAILURE() << "null without flag: " << key.toStdString();
    return 0;
}

bool Same(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

TEST_F(TableCommand, JsonHoldsTheCalculationAtFullPrecision) {
    const CliRun run =
        RunCli({QStringLiteral("table"), Path("walls.tarvo"), QStringLiteral("--format"),
                QStringLiteral("json"), QStringLiteral("--reinf"), kReinf});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(run.out, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonArray rows = json.array();
    const CCaseTable table = BuildCaseTable(m_cases);
    ASSERT_EQ(rows.size(), static_cast<qsizetype>(m_cases.size()));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(kGoldenCases[static_cast<std::size_t>(i)].file);
        const QJsonObject row = rows[i].toObject();
        const CTableRow& expected = table.rows[static_cast<std::size_t>(i)];
        for (std::size_t col = 0; col < table.columns.size(); ++col) {
            const CTableColumn& column = table.columns[col];
            const CTableCell& cell = expected.cells[col];
            const QString key = QString::fromStdString(column.key);
            ASSERT_TRUE(row.contains(key)) << column.key;
            if (cell.empty) {
                EXPECT_TRUE(row.value(key).isNull() && !row.contains(key + "_nonfinite"))
                    << column.key;
            } else if (column.kind == CellKind::Number) {
                EXPECT_TRUE(Same(JsonNumber(row, key), cell.value)) << column.key;
            } else {
                EXPECT_EQ(row.value(key).toString().toStdWString(), cell.text) << column.key;
            }
        }
        // The whole calculation, read back to the same doubles.
        const CDesignResult& r = expected.result;
        const QJsonObject result = row.value(QStringLiteral("result")).toObject();
        const QJsonObject bearing = result.value(QStringLiteral("bearing")).toObject();
        const QJsonObject heel = result.value(QStringLiteral("heel")).toObject();
        const std::pair<double, double> values[] = {
            {JsonNumber(result, "KA"), r.KA},          {JsonNumber(result, "Fo"), r.Fo},
            {JsonNumber(result, "Mr"), r.Mr},          {JsonNumber(result, "x1"), r.x1},
            {JsonNumber(bearing, "Xn"), r.bearing.Xn}, {JsonNumber(bearing, "qR0"), r.bearing.qR0},
            {JsonNumber(heel, "at_p"), r.heel.at_p},   {JsonNumber(heel, "rho"), r.heel.rho},
        };
        for (const auto& [read, calculated] : values)
            EXPECT_TRUE(Same(read, calculated)) << read << " vs " << calculated;
        EXPECT_EQ(result.value(QStringLiteral("overturnFailure")).toBool(), r.overturnFailure);
    }
    // The NaN case: nulls with their flags, and NG.
    const QJsonObject nanCase = rows.last().toObject();
    EXPECT_EQ(nanCase.value(QStringLiteral("Fo_nonfinite")).toString(), QStringLiteral("nan"));
    EXPECT_EQ(nanCase.value(QStringLiteral("verdict")).toString(), QStringLiteral("NG"));
    EXPECT_EQ(rows[0].toObject().value(QStringLiteral("verdict")).toString(), QStringLiteral("OK"));
}

// Python's csv module where the machine has Python, otherwise the cells are compared as they
// stand in the file: both must give the table's cells.
TEST_F(TableCommand, CsvReadsBackAsTheTableCells) {
    const QString csvPath = Path("walls.csv");
    const CliRun run = RunCli({QStringLiteral("table"), Path("walls.tarvo"),
                               QStringLiteral("--format"), QStringLiteral("csv"),
                               QStringLiteral("-o"), csvPath, QStringLiteral("--reinf"), kReinf});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    QFile file(csvPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));

    const CCaseTable table = BuildCaseTable(m_cases);
    QJsonArray expected;
    QJsonArray header;
    for (const CTableColumn& column : table.columns)
        header.append(QString::fromStdWString(column.header));
    expected.append(header);
    for (const CTableRow& row : table.rows) {
        QJsonArray cells;
        for (const CTableCell& cell : row.cells)
            cells.append(QString::fromStdWString(cell.empty ? std::wstring() : cell.text));
        expected.append(cells);
    }

    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) {
        // Without Python: the file is exactly the rows joined as RFC 4180 says.
        QByteArray joined = "\xEF\xBB\xBF";
        for (const QJsonValue& record : expected) {
            QStringList fields;
            for (const QJsonValue& field : record.toArray()) {
                QString f = field.toString();
                if (f.contains(',') || f.contains('"'))
                    f = '"' + f.replace('"', QStringLiteral("\"\"")) + '"';
                fields.append(f);
            }
            joined += fields.join(',').toUtf8() + "\r\n";
        }
        EXPECT_EQ(csv, joined);
        return;
    }
    QProcess process;
    process.start(python,
                  {QStringLiteral("-c"),
                   QStringLiteral("import csv, json, sys\n"
                                  "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
                                  "    print(json.dumps(list(csv.reader(f, strict=True))))\n"),
                   csvPath});
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QJsonDocument read = QJsonDocument::fromJson(process.readAllStandardOutput());
    EXPECT_EQ(read.array(), expected);
}

TEST_F(TableCommand, TextIsTheDefaultAndBadRequestsWriteNothing) {
    const CliRun text =
        RunCli({QStringLiteral("table"), Path("walls.tarvo"), QStringLiteral("--reinf"), kReinf});
    ASSERT_EQ(text.status, 0);
    EXPECT_EQ(text.out.count('\n'), static_cast<qsizetype>(m_cases.size()) + 2);
    EXPECT_TRUE(text.out.contains(QStringLiteral("総合判定").toUtf8()));

    struct Failure {
        QStringList args;
        QByteArray message;
    };
    {
        QFile garbage(Path("garbage.tarvo"));
        garbage.open(QIODevice::WriteOnly);
        garbage.write("not a case file");
    }
    const Failure failures[] = {
        {{Path("missing.tarvo")},
         EncodeUtf8(CaseFileStatusMessage(CaseFileStatus::ReadFailure)).c_str()},
        {{Path("garbage.tarvo")}, "tarvo-cli: "},
        {{Path("walls.tarvo"), QStringLiteral("--format"), QStringLiteral("xml")}, "--format xml"},
    };
    for (const Failure& f : failures) {
        SCOPED_TRACE(f.args.join(' ').toStdString());
        const QString out = Path("out.csv");
        const CliRun run = RunCli(QStringList{QStringLiteral("table")} + f.args +
                                  QStringList{QStringLiteral("-o"), out});
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.err.contains(f.message)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(QFile::exists(out));
    }
}

} // namespace
