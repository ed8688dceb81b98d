// The soak: random events against the invariants. Prints its seed; set
// QUINTET_SEED to replay one, QUINTET_EVENTS for another length.
#include "soak.h"

#include <QTest>

class TestSoak : public QObject {
    Q_OBJECT
  private slots:
    void randomEventsKeepEveryInvariant()
    {
        const uint32_t seed = qEnvironmentVariableIsSet("QUINTET_SEED")
                                  ? qEnvironmentVariable("QUINTET_SEED").toUInt()
                                  : static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch() % 1000000);
        const uint64_t events = qEnvironmentVariableIntValue("QUINTET_EVENTS") > 0
                                    ? qEnvironmentVariableIntValue("QUINTET_EVENTS")
                                    : 100000;
        qInfo("seed %u (replay with QUINTET_SEED=%u)", seed, seed);
        static Soak s; // large: kept off the stack
        StartSoak(s, static_cast<float>(seed % 86400));
        Random bytes{};
        Reseed(bytes, static_cast<float>(seed));
        for (uint64_t e = 0; e < events; e++) {
            const auto kind = static_cast<uint8_t>(NextRandom(bytes) * 256);
            const auto where = static_cast<uint8_t>(NextRandom(bytes) * 256);
            const QString broken = SoakEvent(s, kind, where);
            if (!broken.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, event %2: %3").arg(seed).arg(e).arg(broken)));
        }
        qInfo("%s", qPrintable(DescribeReached(s.R)));
        QVERIFY2(ReachedAll(s.R), qPrintable(DescribeReached(s.R)));
    }
};

QTEST_APPLESS_MAIN(TestSoak)
#include "test_soak.moc"
