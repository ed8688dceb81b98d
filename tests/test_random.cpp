// The random source and the rounding rule.
#include "fixture.h"

#include "rules/random.h"

#include <QTest>

class TestRandom : public GameTest {
    Q_OBJECT

  private slots:
    void roundingGoesHalvesToEven()
    {
        QList<int16_t> rounded;
        for (const float v : {0.5f, 1.5f, 2.5f, 4.5f, 2.4999f, 2.5001f, 0.0f})
            rounded << RoundHalfEven(v);
        QCOMPARE(rounded, (QList<int16_t>{0, 2, 2, 4, 2, 3, 0}));
    }

    void randomValuesStayBelowOne()
    {
        Reseed(G->Rnd, 0.001f);
        float lo = 1, hi = 0;
        for (int i = 0; i < 200000; i++) {
            float r = NextRandom(G->Rnd);
            QVERIFY(r >= 0.0f && r < 1.0f);
            lo = std::min(lo, r), hi = std::max(hi, r);
        }
        QVERIFY(lo < 0.001f && hi > 0.999f);
        // The same seed repeats its sequence; another seed does not.
        Random a{}, b{}, c{};
        Reseed(a, 100.25f), Reseed(b, 100.25f), Reseed(c, 100.5f);
        int same = 0;
        for (int i = 0; i < 100; i++) {
            float va = NextRandom(a);
            QCOMPARE(va, NextRandom(b));
            same += va == NextRandom(c);
        }
        QVERIFY(same < 5);
    }
};

QTEST_APPLESS_MAIN(TestRandom)
#include "test_random.moc"
