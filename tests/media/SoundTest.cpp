// The sound player through a recording output: sounds are fed from the audio thread while the
// main thread is busy, one at a time, and a stopped or replaced sound stops being read.
#include <QIODevice>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "Sound.h"
#include "UnPacker.h"
#include "WaveImage.h"

namespace {

// What the recording outputs saw, shared between the audio thread and the test.
struct TRecord {
    struct Output {
        QAudioFormat Format;
        QThread* Thread = nullptr;
        QByteArray Received;
        bool Stopped = false;
    };
    std::mutex Mutex;
    std::condition_variable Changed;
    std::vector<Output> Outputs;
    int Refused = 0; // sounds offered to a machine without an audio device

    // Waits, without running the main thread's events, until done() holds; false after the
    // timeout.
    template <typename Pred> bool WaitFor(Pred done)
    {
        std::unique_lock lock(Mutex);
        return Changed.wait_for(lock, std::chrono::seconds(10), [&] { return done(); });
    }
};

// An output that pulls samples in small blocks from its own thread's event loop, as a sink
// does, and keeps what it read.
class TRecordingOutput final : public TSoundOutput {
public:
    TRecordingOutput(TRecord& record, std::size_t index, QIODevice* samples)
        : Record(record)
        , Index(index)
        , Samples(samples)
    {
        QObject::connect(&Pull, &QTimer::timeout, [this] { Read(); });
        Pull.start(0);
    }
    ~TRecordingOutput() override
    {
        std::lock_guard lock(Record.Mutex);
        Record.Outputs[Index].Stopped = true;
        Record.Changed.notify_all();
    }

private:
    void Read()
    {
        const QByteArray block = Samples->read(256);
        if (block.isEmpty()) {
            Pull.stop();
            return;
        }
        std::lock_guard lock(Record.Mutex);
        Record.Outputs[Index].Received += block;
        Record.Changed.notify_all();
    }

    TRecord& Record;
    std::size_t Index;
    QIODevice* Samples;
    QTimer Pull;
};

QByteArray SamplesOf(const char* name)
{
    const Result<std::vector<std::uint8_t>> block = UnpackResourceAlloc(name);
    if (!block)
        return {};
    const Result<WaveImage> wave = ParseWave(block.Value());
    if (!wave)
        return {};
    return QByteArray(reinterpret_cast<const char*>(wave.Value().Samples.data()),
        qsizetype(wave.Value().Samples.size()));
}

} // namespace

class SoundTest : public QObject {
    Q_OBJECT

    TRecord* Record = nullptr;

    // Outputs that record what they read.
    void UseRecorder()
    {
        TRecord* record = Record;
        SetSoundOutputFactory([record](const QAudioFormat& format, QIODevice* samples)
                                  -> std::unique_ptr<TSoundOutput> {
            std::lock_guard lock(record->Mutex);
            record->Outputs.push_back({ format, QThread::currentThread(), {}, false });
            return std::make_unique<TRecordingOutput>(*record, record->Outputs.size() - 1, samples);
        });
    }

private slots:
    void init()
    {
        Record = new TRecord;
        UseRecorder();
        SoundOn = true;
    }

    void cleanup()
    {
        // The thread ends with its outputs; the next test starts a fresh one.
        ShutdownSound();
        SetSoundOutputFactory({});
        SoundOn = false;
        delete Record;
        Record = nullptr;
    }

    // The move sound starts with the disc animation, which holds the main thread: the samples
    // must flow while it is held.
    void PlaysWhileTheMainThreadIsBlocked()
    {
        PlaySoundResource("SOUND_FLAME");
        QCOMPARE(QString::fromStdString(HeldSoundResource()), QStringLiteral("SOUND_FLAME"));
        const QByteArray expected = SamplesOf("SOUND_FLAME");
        QVERIFY(Record->WaitFor([&] {
            return !Record->Outputs.empty() && Record->Outputs[0].Received.size() >= 1024;
        }));
        std::lock_guard lock(Record->Mutex);
        const TRecord::Output& out = Record->Outputs[0];
        QVERIFY(out.Thread != QThread::currentThread());
        QCOMPARE(out.Format.sampleRate(), 16000);
        QCOMPARE(out.Format.channelCount(), 1);
        QCOMPARE(out.Format.sampleFormat(), QAudioFormat::UInt8);
        QCOMPARE(out.Received, expected.left(out.Received.size()));
    }

    void PlaysTheWholeSoundAndKeepsItsRate()
    {
        PlaySoundResource("SOUND_HINT");
        const QByteArray expected = SamplesOf("SOUND_HINT");
        QVERIFY(Record->WaitFor([&] {
            return !Record->Outputs.empty() && Record->Outputs[0].Received.size() == expected.size();
        }));
        std::lock_guard lock(Record->Mutex);
        QCOMPARE(Record->Outputs[0].Received, expected);
        QCOMPARE(Record->Outputs[0].Format.sampleRate(), 22050);
    }

    // A new sound stops the held one before it starts; StopSound stops and frees.
    void ANewSoundReplacesTheHeldOneAndStopEndsIt()
    {
        PlaySoundResource("SOUND_ROTATE");
        PlaySoundResource("SOUND_CLICK");
        QCOMPARE(QString::fromStdString(HeldSoundResource()), QStringLiteral("SOUND_CLICK"));
        QVERIFY(Record->WaitFor([&] { return Record->Outputs.size() == 2; }));
        {
            std::lock_guard lock(Record->Mutex);
            QVERIFY(Record->Outputs[0].Stopped);
            QCOMPARE(Record->Outputs[1].Received, SamplesOf("SOUND_CLICK").left(
                Record->Outputs[1].Received.size()));
        }
        StopSound();
        QVERIFY(HeldSoundResource().empty());
        QVERIFY(Record->WaitFor([&] { return Record->Outputs[1].Stopped; }));
        // An unknown name stops the held sound and holds nothing.
        PlaySoundResource("SOUND_LEGAL");
        PlaySoundResource("NO_SUCH_SOUND");
        QVERIFY(HeldSoundResource().empty());
        QVERIFY(Record->WaitFor(
            [&] { return Record->Outputs.size() == 3 && Record->Outputs[2].Stopped; }));
    }

    // With sound off nothing reaches the output: the next sound played is the first it sees.
    void SoundOffPlaysNothing()
    {
        SoundOn = false;
        PlaySoundResource("SOUND_MESSAGE");
        QVERIFY(HeldSoundResource().empty());
        SoundOn = true;
        PlaySoundResource("SOUND_CONNECTED");
        QVERIFY(Record->WaitFor([&] { return !Record->Outputs.empty(); }));
        QVERIFY(Record->WaitFor([&] { return Record->Outputs[0].Received.size() > 0; }));
        std::lock_guard lock(Record->Mutex);
        QCOMPARE(Record->Outputs.size(), std::size_t(1));
        QCOMPARE(Record->Outputs[0].Received,
            SamplesOf("SOUND_CONNECTED").left(Record->Outputs[0].Received.size()));
    }

    // No audio device: the sound is held (and answered) but not heard, and nothing fails. The
    // device a sound is played on is the one in place when it was started.
    void WithoutADeviceTheSoundIsHeldNotHeard()
    {
        TRecord* record = Record;
        SetSoundOutputFactory(
            [record](const QAudioFormat&, QIODevice*) -> std::unique_ptr<TSoundOutput> {
                std::lock_guard lock(record->Mutex);
                ++record->Refused;
                record->Changed.notify_all();
                return nullptr;
            });
        PlaySoundResource("SOUND_DISCONNECT");
        QCOMPARE(QString::fromStdString(HeldSoundResource()), QStringLiteral("SOUND_DISCONNECT"));
        StopSound();
        UseRecorder();
        PlaySoundResource("SOUND_BUGS");
        QVERIFY(Record->WaitFor([&] { return !Record->Outputs.empty(); }));
        std::lock_guard lock(Record->Mutex);
        QCOMPARE(Record->Refused, 1);
        QCOMPARE(Record->Outputs.size(), std::size_t(1));
    }

    // Shutting the thread down stops the playing sound; the next sound starts a new thread.
    void ShutdownStopsAndASoundAfterItPlays()
    {
        PlaySoundResource("SOUND_CONNECT");
        QVERIFY(Record->WaitFor([&] { return !Record->Outputs.empty(); }));
        ShutdownSound();
        {
            std::lock_guard lock(Record->Mutex);
            QVERIFY(Record->Outputs[0].Stopped);
        }
        ShutdownSound(); // twice is harmless
        PlaySoundResource("SOUND_LEGAL");
        QVERIFY(Record->WaitFor(
            [&] { return Record->Outputs.size() == 2 && Record->Outputs[1].Received.size() > 0; }));
    }
};

QTEST_GUILESS_MAIN(SoundTest)
#include "SoundTest.moc"
