// Playback through a Qt audio sink reading the held image's samples from a buffer.
#include "Sound.h"

#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <memory>
#include <string>

#include "UnPacker.h"
#include "WaveImage.h"

bool SoundOn = true;

namespace {

// What is playing: the image stays alive until the next sound starts or StopSound runs.
struct HeldSound {
    std::string Name;
    std::vector<std::uint8_t> Image;
    std::unique_ptr<QBuffer> Buffer;
    std::unique_ptr<QAudioSink> Sink;
};
std::unique_ptr<HeldSound> Held;

} // namespace

void StopSound()
{
    if (!Held)
        return;
    if (Held->Sink)
        Held->Sink->stop();
    Held.reset();
}

void PlaySoundResource(const char* name)
{
    if (!SoundOn)
        return;
    StopSound();

    UnpackedBlock block = UnpackResourceAlloc(name);
    if (!block.Result)
        return; // a sound that cannot be unpacked is simply not heard
    Held = std::make_unique<HeldSound>();
    Held->Name = name;
    Held->Image = std::move(block.Bytes);
    const WaveImage wave = ParseWave(Held->Image);
    if (!wave)
        return;

    // Without an audio output (or one that cannot take the format) the image is held, not heard.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    QAudioFormat format;
    format.setChannelCount(wave.Channels);
    format.setSampleRate(wave.SampleRate);
    format.setSampleFormat(wave.BitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return;
    Held->Buffer = std::make_unique<QBuffer>();
    Held->Buffer->setData(
        reinterpret_cast<const char*>(wave.Samples.data()), qsizetype(wave.Samples.size()));
    Held->Buffer->open(QIODevice::ReadOnly);
    Held->Sink = std::make_unique<QAudioSink>(device, format);
    Held->Sink->start(Held->Buffer.get());
}

std::string HeldSoundResource() { return Held ? Held->Name : std::string(); }
