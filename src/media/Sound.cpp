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
    std::vector<std::uint8_t> Image;
    std::unique_ptr<QBuffer> Buffer;
    std::unique_ptr<QAudioSink> Sink;
};
std::unique_ptr<HeldSound> Held;
std::string LastName;

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
    LastName = name;

    UnpackedBlock block = UnpackResourceAlloc(name);
    if (!block.Result)
        return; // a sound that cannot be unpacked is simply not heard
    auto held = std::make_unique<HeldSound>();
    held->Image = std::move(block.Bytes);
    const WaveImage wave = ParseWave(held->Image);
    if (!wave)
        return;

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    QAudioFormat format;
    format.setChannelCount(wave.Channels);
    format.setSampleRate(wave.SampleRate);
    format.setSampleFormat(wave.BitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return;

    held->Buffer = std::make_unique<QBuffer>();
    held->Buffer->setData(reinterpret_cast<const char*>(wave.Samples.data()), qsizetype(wave.Samples.size()));
    held->Buffer->open(QIODevice::ReadOnly);
    held->Sink = std::make_unique<QAudioSink>(device, format);
    held->Sink->start(held->Buffer.get());
    Held = std::move(held);
}

const char* LastSoundResource() { return LastName.c_str(); }
