#include "Mp4Parser.h"
#include "Mp4Sample.h"
#include "SampleDir.h"
#include "SampleRecord.h"

#include <QtTest>

namespace {

// Counts the "gsensor data error" lines logged while it lives.
class GSensorErrorCounter
{
public:
    GSensorErrorCounter()
    {
        sPrevious = qInstallMessageHandler(&handle);
        sCount = 0;
    }
    ~GSensorErrorCounter() { qInstallMessageHandler(sPrevious); }
    int count() const { return sCount; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (text == QLatin1String("gsensor data error"))
            ++sCount;
        else if (sPrevious)
            sPrevious(type, context, text);
    }
    static inline int sCount = 0;
    static inline QtMessageHandler sPrevious = nullptr;
};

struct Decoded
{
    bool served = false;
    GpsData data{};
    int gSensorErrors = 0;
};

}  // namespace

// Every record goes through a real file: the second record of a gps0 box is
// the one second 0 shows.
class tst_RecordDecoding : public QObject
{
    Q_OBJECT

private:
    Decoded decode(const SampleRecord &record, int keptBytes = gpsRecordSize)
    {
        const QByteArray file = Mp4Sample().gps0(storedRecords({SampleRecord(), record})).bytes();
        const int recordStart = file.size() - (gpsRecordSize - 1);
        const QString path = mDir.write("clip.mp4", file.left(recordStart + keptBytes));
        Decoded result;
        if (path.isEmpty())
            return result;
        Mp4Parser parser(path);
        GSensorErrorCounter errors;
        result.served = parser.getGpsData(0, result.data);
        result.gSensorErrors = errors.count();
        return result;
    }

    SampleDir mDir;

private slots:
    void position_data()
    {
        QTest::addColumn<QByteArray>("latitudeText");
        QTest::addColumn<char>("latHemisphere");
        QTest::addColumn<QByteArray>("longitudeText");
        QTest::addColumn<char>("lonHemisphere");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");

        const double lat = 22 + 32.3456 / 60;
        const double lon = 114 + 3.5 / 60;
        QTest::newRow("north east")
            << QByteArray("22323456") << 'N' << QByteArray("114035000") << 'E' << lat << lon;
        QTest::newRow("south west stays positive")
            << QByteArray("22323456") << 'S' << QByteArray("114035000") << 'W' << lat << lon;
        QTest::newRow("other hemisphere byte carried")
            << QByteArray("22323456") << 'X' << QByteArray("114035000") << '?' << lat << lon;
        QTest::newRow("letter stops the digits")
            << QByteArray("2a323456") << 'N' << QByteArray("11403500x") << 'E' << 2.0
            << 114 + 0.35 / 60;
        QTest::newRow("leading blanks skipped")
            << QByteArray("  323456") << 'N' << QByteArray("   035000") << 'E' << 32 + 0.3456 / 60
            << 35.0;
        QTest::newRow("empty fields")
            << QByteArray(8, '\0') << 'N' << QByteArray(9, '\0') << 'E' << 0.0 << 0.0;
    }

    void position()
    {
        QFETCH(QByteArray, latitudeText);
        QFETCH(char, latHemisphere);
        QFETCH(QByteArray, longitudeText);
        QFETCH(char, lonHemisphere);
        SampleRecord record;
        record.latitude = latitudeText;
        record.latHemisphere = latHemisphere;
        record.longitude = longitudeText;
        record.lonHemisphere = lonHemisphere;

        const Decoded decoded = decode(record);
        QVERIFY(decoded.served);
        QCOMPARE(decoded.data.latHemisphere, latHemisphere);
        QCOMPARE(decoded.data.lonHemisphere, lonHemisphere);
        QTEST(decoded.data.latitude, "latitude");
        QTEST(decoded.data.longitude, "longitude");
    }

    void numbers_data()
    {
        QTest::addColumn<QByteArray>("speedText");
        QTest::addColumn<QByteArray>("number57Text");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("number57");

        QTest::newRow("digits") << QByteArray("087") << QByteArray("12345") << 87 << 12345;
        QTest::newRow("minus sign") << QByteArray("-12") << QByteArray("-0001") << -12 << -1;
        QTest::newRow("letters") << QByteArray("abc") << QByteArray("12a45") << 0 << 12;
        QTest::newRow("hex prefix is not hex")
            << QByteArray("0x5") << QByteArray("    7") << 0 << 7;
    }

    void numbers()
    {
        QFETCH(QByteArray, speedText);
        QFETCH(QByteArray, number57Text);
        SampleRecord record;
        record.speed = speedText;
        record.number57 = number57Text;

        const Decoded decoded = decode(record);
        QVERIFY(decoded.served);
        QTEST(decoded.data.speed, "speed");
        QTEST(decoded.data.number57, "number57");
    }

    void gSensor_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<float>("gX");
        QTest::addColumn<float>("gY");
        QTest::addColumn<float>("gZ");
        QTest::addColumn<int>("errors");

        QTest::newRow("signed groups")
            << QByteArray("+012-098+100") << 0.12f << -0.98f << 1.0f << 0;
        QTest::newRow("blank sign") << QByteArray(" 012-098+100") << 0.0f << -0.98f << 1.0f << 1;
        QTest::newRow("extremes and bad digits")
            << QByteArray("-999+9x9*100") << -9.99f << 9.0f << 0.0f << 1;
        QTest::newRow("all blank") << QByteArray(12, ' ') << 0.0f << 0.0f << 0.0f << 3;
    }

    void gSensor()
    {
        QFETCH(QByteArray, text);
        SampleRecord record;
        record.gSensor = text;

        const Decoded decoded = decode(record);
        QVERIFY(decoded.served);
        QTEST(decoded.data.gX, "gX");
        QTEST(decoded.data.gY, "gY");
        QTEST(decoded.data.gZ, "gZ");
        QTEST(decoded.gSensorErrors, "errors");
        QCOMPARE(decoded.data.speed, 0);
    }

    void textFieldsAreTerminatedCopies()
    {
        // Every text field fills its width, so the record holds no NUL at all.
        SampleRecord record;
        record.dateTime = "20261231235959";
        record.char22 = 'A';
        record.text23 = "ABCDEFGHIJKLMN";
        record.char37 = 'Z';

        const Decoded decoded = decode(record);
        QVERIFY(decoded.served);
        QCOMPARE(decoded.data.second, 0);
        QCOMPARE(decoded.data.dateTime[14], '\0');
        QCOMPARE(QByteArray(decoded.data.dateTime), QByteArray("20261231235959"));
        QCOMPARE(decoded.data.char22, 'A');
        QCOMPARE(QByteArray(decoded.data.text23), QByteArray("ABCDEFGHIJKLMN"));
        QCOMPARE(decoded.data.char37, 'Z');
    }

    void recordCutByEndOfFile_data()
    {
        QTest::addColumn<int>("keptBytes");
        QTest::addColumn<bool>("served");
        QTest::addColumn<QByteArray>("dateTime");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<float>("gX");
        QTest::addColumn<int>("errors");

        const double latitude = 22 + 32.3456 / 60;
        QTest::newRow("no byte left") << 0 << false << QByteArray() << 0.0 << 0.0f << 0;
        QTest::newRow("inside the date") << 13 << true << QByteArray("20261") << 0.0 << 0.0f << 3;
        QTest::newRow("after the first G group")
            << 177 << true << QByteArray("20261206101500") << latitude << 0.12f << 2;
        QTest::newRow("all used fields")
            << 185 << true << QByteArray("20261206101500") << latitude << 0.12f << 0;
    }

    void recordCutByEndOfFile()
    {
        QFETCH(int, keptBytes);
        SampleRecord record;
        record.latitude = "22323456";
        record.gSensor = "+012-098+100";

        // Missing bytes read as zeros, not as descrambled garbage.
        const Decoded decoded = decode(record, keptBytes);
        QTEST(decoded.served, "served");
        QTEST(QByteArray(decoded.data.dateTime), "dateTime");
        QTEST(decoded.data.latitude, "latitude");
        QTEST(decoded.data.gX, "gX");
        QTEST(decoded.gSensorErrors, "errors");
    }
};

QTEST_GUILESS_MAIN(tst_RecordDecoding)
#include "tst_recorddecoding.moc"
