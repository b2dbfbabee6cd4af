#pragma once

// One tone of the speaker as the sound card plays it: a square wave built from its odd harmonics
// below the band limit, so that none folds back from above half the sample rate, and faded in and
// out so that switching it makes no click. Times are in samples; `lateBy` says how far before the
// next sample a change took effect, which keeps lengths and pitch finer than one sample.
class SquareVoice {
  public:
    static constexpr double fadeSamples = 96.0; // 2 ms

    bool active() const { return releaseAge < fadeSamples; }

    void start(double cyclesPerSample, double lateBy);
    void retune(double cyclesPerSample, double lateBy);
    void release(double lateBy);

    double next();

  private:
    void tune(double cyclesPerSample);
    double waveAt(double cycles) const;

    double increment = 0.0;
    int harmonics = 0;
    double gain = 0.0;
    double phase = 0.0;
    double age = 0.0;
    double releaseAge = fadeSamples;
    bool released = true;
};
