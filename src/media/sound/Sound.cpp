// Playback of the sound effects on an audio thread with its own event loop: the main thread
// unpacks the image and posts it; the audio thread owns the output and feeds it from a buffer.
#include "Sound.h"

#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QThread>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "UnPacker.h"
#include "WaveImage.h"

bool SoundOn = true;

namespace {

using TImage = std::shared_ptr<const std::vector<std::uint8_t>>;

// The system's audio output through a Qt sink reading the buffer.
class TSinkOutput final : public TSoundOutput {
public:
    TSinkOutput(const QAudioDevice& device, const QAudioFormat& format, QIODevice* samples)
        : Sink(device, format)
    {
        Sink.start(samples);
    }
    ~TSinkOutput() override { Sink.stop(); }

private:
    QAudioSink Sink;
};

std::unique_ptr<TSoundOutput> DefaultOutput(const QAudioFormat& format, QIODevice* samples)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format))
        return nullptr;
    return std::make_unique<TSinkOutput>(device, format, samples);
}

// Lives on the audio thread: what is playing there. The image is shared with the main thread's
// record of the held sound, so it is freed when both have let go of it.
class TAudioPlayer final : public QObject {
public:
    void Play(TImage image, const TSoundOutputFactory& factory)
    {
        Stop();
        const Result<WaveImage> parsed = ParseWave(*image);
        if (!parsed)
            return;
        const WaveImage& wave = parsed.Value();
        QAudioFormat format;
        format.setChannelCount(wave.Channels);
        format.setSampleRate(wave.SampleRate);
        format.setSampleFormat(
            wave.BitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
        Image = std::move(image);
        Buffer = std::make_unique<QBuffer>();
        Buffer->setData(QByteArray::fromRawData(
            reinterpret_cast<const char*>(wave.Samples.data()), qsizetype(wave.Samples.size())));
        Buffer->open(QIODevice::ReadOnly);
        Output = factory ? factory(format, Buffer.get()) : DefaultOutput(format, Buffer.get());
    }

    void Stop()
    {
        Output.reset(); // first: it reads from the buffer until it is gone
        Buffer.reset();
        Image.reset();
    }

    ~TAudioPlayer() override { Stop(); }

private:
    TImage Image;
    std::unique_ptr<QBuffer> Buffer;
    std::unique_ptr<TSoundOutput> Output;
};

// Creates the player on its own thread and destroys it there when the event loop ends, so
// every audio object is made, used and freed on one thread.
class TAudioThread final : public QThread {
public:
    TAudioThread() { setObjectName(QStringLiteral("corvana-audio")); }

    // The player, once the thread has made it.
    TAudioPlayer* Player()
    {
        std::unique_lock lock(Mutex);
        Ready.wait(lock, [this] { return PlayerReady != nullptr; });
        return PlayerReady;
    }

protected:
    void run() override
    {
        TAudioPlayer player;
        {
            std::lock_guard lock(Mutex);
            PlayerReady = &player;
        }
        Ready.notify_all();
        exec();
    }

private:
    std::mutex Mutex;
    std::condition_variable Ready;
    TAudioPlayer* PlayerReady = nullptr;
};

// Main-thread state: the held sound, the audio thread and the output factory.
struct HeldSound {
    std::string Name;
    TImage Image;
};
std::unique_ptr<HeldSound> Held;
std::unique_ptr<TAudioThread> AudioThread;
TSoundOutputFactory OutputFactory;

// Runs fn with the player on the audio thread, after the requests posted before it.
template <typename Fn> void PostToAudio(Fn fn)
{
    if (!AudioThread) {
        AudioThread = std::make_unique<TAudioThread>();
        AudioThread->start();
        // The thread must be gone before the application object is: its player and sinks
        // belong to the application's media backend.
        qAddPostRoutine(ShutdownSound);
    }
    TAudioPlayer* player = AudioThread->Player();
    QMetaObject::invokeMethod(player, [player, fn = std::move(fn)]() mutable { fn(*player); },
        Qt::QueuedConnection);
}

} // namespace

void StopSound()
{
    if (!Held)
        return;
    Held.reset();
    if (AudioThread)
        PostToAudio([](TAudioPlayer& player) { player.Stop(); });
}

void PlaySoundResource(const char* name)
{
    if (!SoundOn)
        return;
    StopSound();

    Result<std::vector<std::uint8_t>> block = UnpackResourceAlloc(name);
    if (!block)
        return; // a sound that cannot be unpacked is simply not heard
    Held = std::make_unique<HeldSound>();
    Held->Name = name;
    Held->Image = std::make_shared<const std::vector<std::uint8_t>>(std::move(block).Value());
    // Without an application there is no event loop to play it in: the image is held, not heard.
    if (!ParseWave(*Held->Image) || !QCoreApplication::instance())
        return;
    PostToAudio([image = Held->Image, factory = OutputFactory](
                    TAudioPlayer& player) mutable { player.Play(std::move(image), factory); });
}

std::string HeldSoundResource() { return Held ? Held->Name : std::string(); }

void ShutdownSound()
{
    if (!AudioThread)
        return;
    qRemovePostRoutine(ShutdownSound);
    AudioThread->quit();
    AudioThread->wait();
    AudioThread.reset();
}

void SetSoundOutputFactory(TSoundOutputFactory factory) { OutputFactory = std::move(factory); }
