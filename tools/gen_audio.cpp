// tools/gen_audio.cpp -- synthesises every sound effect, ambient loop and piece of music of the game
// into the working folder's audio/: effects as 16-bit mono WAV, loops and music as Ogg Vorbis
// (libvorbis). Everything is made from noise, filters, envelopes, plucked strings and simple formant
// voices with fixed seeds, so every build writes the same files. Nothing is recorded.
// Usage: gen_audio <working folder>
#include <sys/stat.h>
#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

const int SR = 22050;          // effects and ambient loops
const int MUSIC_SR = 44100;    // music, stereo
const double PI = 3.14159265358979323846;

using Buf = std::vector<float>;

// ---- deterministic randomness -------------------------------------------------------------------

struct Rng {
    uint32_t s;
    explicit Rng(uint32_t seed) : s(seed ? seed : 0x9E3779B9u) {}
    uint32_t next() {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    double uni() { return (next() >> 8) * (1.0 / 16777216.0); }   // 0 .. 1
    double bi() { return uni() * 2.0 - 1.0; }                      // -1 .. 1
    double range(double a, double b) { return a + (b - a) * uni(); }
};

uint32_t seed_of(const char *name) {
    uint32_t h = 2166136261u;
    for (const char *p = name; *p; ++p) h = (h ^ (uint8_t)*p) * 16777619u;
    return h;
}

// ---- buffers and filters ------------------------------------------------------------------------

Buf make(double sec, int sr = SR) { return Buf((size_t)(sec * sr + 0.5), 0.0f); }

void mix(Buf &dst, const Buf &src, double at_sec, double gain, int sr = SR) {
    size_t at = (size_t)(at_sec * sr);
    if (dst.size() < at + src.size()) dst.resize(at + src.size(), 0.0f);
    for (size_t i = 0; i < src.size(); i++) dst[at + i] += (float)(src[i] * gain);
}

void normalize(Buf &b, double peak) {
    float m = 0;
    for (float v : b) m = std::max(m, std::fabs(v));
    if (m <= 0) return;
    for (float &v : b) v = (float)(v / m * peak);
}

// Short fades at both ends keep a one-shot from clicking.
void edges(Buf &b, double in_sec = 0.003, double out_sec = 0.01, int sr = SR) {
    size_t ni = std::min(b.size(), (size_t)(in_sec * sr)), no = std::min(b.size(), (size_t)(out_sec * sr));
    for (size_t i = 0; i < ni; i++) b[i] *= (float)i / ni;
    for (size_t i = 0; i < no; i++) b[b.size() - 1 - i] *= (float)i / no;
}

// Biquad of the usual cookbook shapes; coefficients may be changed while it runs.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    enum Kind { LP, HP, BP };
    void set(Kind k, double fc, double q, int sr = SR) {
        fc = std::min(std::max(fc, 10.0), sr * 0.45);
        double w = 2 * PI * fc / sr, c = std::cos(w), s = std::sin(w), alpha = s / (2 * q);
        double a0 = 1 + alpha;
        switch (k) {
        case LP: b0 = (1 - c) / 2; b1 = 1 - c; b2 = (1 - c) / 2; break;
        case HP: b0 = (1 + c) / 2; b1 = -(1 + c); b2 = (1 + c) / 2; break;
        case BP: b0 = alpha; b1 = 0; b2 = -alpha; break;
        }
        a1 = -2 * c;
        a2 = 1 - alpha;
        b0 /= a0; b1 /= a0; b2 /= a0; a1 /= a0; a2 /= a0;
    }
    double run(double x) {
        double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1; x1 = x; y2 = y1; y1 = y;
        return y;
    }
};

// Filters a buffer with a cut-off that may move over time (recomputed every 32 samples).
void filter(Buf &b, Biquad::Kind k, const std::function<double(double)> &fc, double q, int sr = SR) {
    Biquad f;
    for (size_t i = 0; i < b.size(); i++) {
        if (i % 32 == 0) f.set(k, fc((double)i / sr), q, sr);
        b[i] = (float)f.run(b[i]);
    }
}

double env_ad(double t, double attack, double decay) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

// A bump that rises and falls smoothly over [0, len].
double hump(double t, double len) {
    if (t <= 0 || t >= len) return 0;
    return std::sin(PI * t / len);
}

Buf noise(double sec, Rng &r) {
    Buf b = make(sec);
    for (float &v : b) v = (float)r.bi();
    return b;
}

Buf brown(double sec, Rng &r) {
    Buf b = make(sec);
    double y = 0;
    for (float &v : b) {
        y = y * 0.995 + r.bi() * 0.05;
        v = (float)y;
    }
    return b;
}

// A sine or several partials whose pitch follows f(t), shaped by amp(t).
Buf tone(double sec, const std::function<double(double)> &f, const std::function<double(double)> &amp,
         std::initializer_list<double> partials = {1.0}, int sr = SR) {
    Buf b = make(sec, sr);
    double ph = 0;
    for (size_t i = 0; i < b.size(); i++) {
        double t = (double)i / sr;
        ph += 2 * PI * f(t) / sr;
        double v = 0, g = 1;
        for (double p : partials) {
            v += g * std::sin(ph * p);
            g *= 0.5;
        }
        b[i] = (float)(v * amp(t));
    }
    return b;
}

// A voice: a glottal buzz at f0(t) through three formant filters, with breath noise.
struct Vowel { double f1, f2, f3; };
const Vowel VA = {750, 1200, 2500}, VO = {500, 850, 2400}, VU = {350, 700, 2300}, VE = {500, 1750, 2500},
            VI = {300, 2200, 2900}, VAE = {660, 1700, 2400};

Vowel blend(Vowel a, Vowel b, double t) {
    return {a.f1 + (b.f1 - a.f1) * t, a.f2 + (b.f2 - a.f2) * t, a.f3 + (b.f3 - a.f3) * t};
}

Buf voice(double sec, const std::function<double(double)> &f0, const std::function<Vowel(double)> &vowel,
          const std::function<double(double)> &amp, double breath, double rough, Rng &r) {
    Buf b = make(sec);
    Biquad f1, f2, f3;
    double ph = 0, jit = 0;
    for (size_t i = 0; i < b.size(); i++) {
        double t = (double)i / SR;
        if (i % 32 == 0) {
            Vowel v = vowel(t);
            f1.set(Biquad::BP, v.f1, 5);
            f2.set(Biquad::BP, v.f2, 8);
            f3.set(Biquad::BP, v.f3, 10);
            jit = 1 + rough * r.bi();
        }
        ph += f0(t) * jit / SR;
        ph -= std::floor(ph);
        double src = (1 - 2 * ph) * (1 - breath) + r.bi() * breath;
        double y = f1.run(src) * 1.0 + f2.run(src) * 0.6 + f3.run(src) * 0.25;
        b[i] = (float)(y * amp(t));
    }
    return b;
}

// A plucked string (Karplus-Strong).
Buf pluck(double freq, double sec, double bright, Rng &r, int sr = SR) {
    Buf b = make(sec, sr);
    int n = std::max(2, (int)(sr / freq));
    std::vector<double> line(n);
    for (double &v : line) v = r.bi();
    double last = 0;
    for (size_t i = 0; i < b.size(); i++) {
        size_t k = i % n;
        double v = line[k];
        double nv = (v * bright + last * (1 - bright)) * 0.996;
        last = v;
        line[k] = nv;
        b[i] = (float)v;
    }
    // A short rise keeps the pluck's first sample from jumping out of silence.
    const size_t rise = std::min(b.size(), (size_t)(0.003 * sr));
    for (size_t i = 0; i < rise; i++) b[i] *= (float)i / rise;
    return b;
}

// A thud: a low sine falling in pitch with a click of noise on top.
Buf thud(double f, double sec, double click, Rng &r) {
    Buf b = tone(sec, [f](double t) { return f * (1 + 0.8 * std::exp(-t * 40)); },
                 [sec](double t) { return env_ad(t, 0.002, sec / 4); });
    Buf n = noise(0.03, r);
    filter(n, Biquad::LP, [](double) { return 2500; }, 0.7);
    for (size_t i = 0; i < n.size(); i++) n[i] *= (float)std::exp(-(double)i / SR * 120);
    mix(b, n, 0, click);
    return b;
}

// A burst of filtered noise.
Buf burst(double sec, Biquad::Kind k, const std::function<double(double)> &fc, double q,
          const std::function<double(double)> &amp, Rng &r) {
    Buf b = noise(sec, r);
    filter(b, k, fc, q);
    for (size_t i = 0; i < b.size(); i++) b[i] *= (float)amp((double)i / SR);
    return b;
}

// A metallic ring: inharmonic partials decaying at their own rates.
Buf ring(double base, double sec, std::initializer_list<double> ratios, double decay) {
    Buf b = make(sec);
    int k = 0;
    for (double ratio : ratios) {
        double f = base * ratio, d = decay / (1 + 0.5 * k);
        for (size_t i = 0; i < b.size(); i++) {
            double t = (double)i / SR;
            b[i] += (float)(std::sin(2 * PI * f * t) * std::exp(-t / d) / (1 + k));
        }
        k++;
    }
    return b;
}

// Turns a buffer into a seamless loop of `len` samples by cross-fading its tail into its head.
Buf loop_of(const Buf &b, size_t len, size_t fade) {
    Buf out(b.begin(), b.begin() + len);
    for (size_t i = 0; i < fade && len + i < b.size(); i++) {
        double w = (double)i / fade;
        out[i] = (float)(b[i] * std::sqrt(w) + b[len + i] * std::sqrt(1 - w));
    }
    return out;
}

// ---- writers ------------------------------------------------------------------------------------

std::string folder;
int failures = 0;

void put16(FILE *f, uint16_t v) { fputc(v & 255, f), fputc(v >> 8, f); }
void put32(FILE *f, uint32_t v) { put16(f, v & 0xFFFF), put16(f, v >> 16); }

void write_wav(const char *name, Buf b) {
    normalize(b, 0.85);
    edges(b);
    std::string path = folder + "/" + name;
    FILE *f = fopen(path.c_str(), "wb");
    if (!f) {
        fprintf(stderr, "gen_audio: cannot write %s\n", path.c_str());
        failures++;
        return;
    }
    uint32_t data = (uint32_t)b.size() * 2;
    fwrite("RIFF", 1, 4, f);
    put32(f, 36 + data);
    fwrite("WAVEfmt ", 1, 8, f);
    put32(f, 16);
    put16(f, 1);
    put16(f, 1);
    put32(f, SR);
    put32(f, SR * 2);
    put16(f, 2);
    put16(f, 16);
    fwrite("data", 1, 4, f);
    put32(f, data);
    for (float v : b) {
        double s = std::max(-1.0, std::min(1.0, (double)v));
        put16(f, (uint16_t)(int16_t)std::lround(s * 32767));
    }
    if (fclose(f) != 0) failures++;
}

// Channels are interleaved in `b`; a fixed stream serial keeps the file the same from build to build.
void write_ogg(const char *name, const Buf &b, int channels, int rate, float quality) {
    std::string path = folder + "/" + name;
    FILE *f = fopen(path.c_str(), "wb");
    if (!f) {
        fprintf(stderr, "gen_audio: cannot write %s\n", path.c_str());
        failures++;
        return;
    }
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, channels, rate, quality) != 0) {
        fprintf(stderr, "gen_audio: the encoder refused %s\n", name);
        failures++;
        fclose(f);
        return;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "TITLE", name);
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, (int)seed_of(name));
    ogg_packet header, comm, code;
    vorbis_analysis_headerout(&vd, &vc, &header, &comm, &code);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comm);
    ogg_stream_packetin(&os, &code);
    ogg_page og;
    while (ogg_stream_flush(&os, &og)) {
        fwrite(og.header, 1, og.header_len, f);
        fwrite(og.body, 1, og.body_len, f);
    }
    const size_t frames = b.size() / channels;
    size_t done = 0;
    bool eos = false;
    while (!eos) {
        const size_t chunk = 4096;
        size_t n = std::min(chunk, frames - done);
        if (n == 0) {
            vorbis_analysis_wrote(&vd, 0);
        } else {
            float **in = vorbis_analysis_buffer(&vd, (int)n);
            for (size_t i = 0; i < n; i++)
                for (int c = 0; c < channels; c++) in[c][i] = b[(done + i) * channels + c];
            vorbis_analysis_wrote(&vd, (int)n);
            done += n;
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet op;
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (!eos && ogg_stream_pageout(&os, &og)) {
                    fwrite(og.header, 1, og.header_len, f);
                    fwrite(og.body, 1, og.body_len, f);
                    if (ogg_page_eos(&og)) eos = true;
                }
            }
        }
        if (n == 0 && !eos) {
            while (ogg_stream_flush(&os, &og)) {
                fwrite(og.header, 1, og.header_len, f);
                fwrite(og.body, 1, og.body_len, f);
            }
            eos = true;
        }
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    if (fclose(f) != 0) failures++;
}

void write_loop_ogg(const char *name, Buf b) {
    normalize(b, 0.8);
    write_ogg(name, b, 1, SR, 0.3f);
}

// ---- animals and people -------------------------------------------------------------------------

Buf howl(Rng &r, double len, double low, double high) {
    auto f0 = [=](double t) {
        double x = t / len;
        double f = x < 0.3 ? low + (high - low) * std::sin(x / 0.3 * PI / 2) : high - (high - low) * 0.35 * (x - 0.3) / 0.7;
        return f * (1 + 0.012 * std::sin(2 * PI * 5.5 * t));
    };
    Buf b = voice(len, f0, [=](double t) { return blend(VU, VO, std::min(1.0, t / len * 2)); },
                  [=](double t) { return std::min(1.0, t / 0.35) * std::min(1.0, (len - t) / 0.6); }, 0.05, 0.002, r);
    Buf pure = tone(len, f0, [=](double t) { return std::min(1.0, t / 0.35) * std::min(1.0, (len - t) / 0.6); },
                    {1.0, 2.0});
    mix(b, pure, 0, 0.5);
    return b;
}

Buf bark(Rng &r) {
    Buf b = make(0.9);
    for (int k = 0; k < 2; k++) {
        double len = 0.16;
        Buf v = voice(len, [](double t) { return 480 - 900 * t; }, [](double) { return VA; },
                      [len](double t) { return env_ad(t, 0.01, len / 3); }, 0.35, 0.05, r);
        mix(b, v, 0.05 + k * 0.32, 1.0);
    }
    return b;
}

Buf growl(Rng &r, double f, double len) {
    Buf b = voice(len, [f](double t) { return f * (1 + 0.1 * std::sin(2 * PI * 3 * t)); },
                  [](double) { return VO; },
                  [len](double t) { return std::min(1.0, t / 0.15) * std::min(1.0, (len - t) / 0.2) * (0.7 + 0.3 * std::sin(2 * PI * 11 * t)); },
                  0.3, 0.25, r);
    filter(b, Biquad::LP, [](double) { return 1800; }, 0.7);
    return b;
}

Buf roar(Rng &r, double f, double len) {
    Buf b = voice(len, [f](double t) { return f * (1.2 - 0.3 * t); }, [](double) { return VA; },
                  [len](double t) { return std::min(1.0, t / 0.08) * std::min(1.0, (len - t) / 0.5); }, 0.45, 0.2, r);
    return b;
}

Buf syllables(Rng &r, int n, double f0, double gap, double len, std::initializer_list<Vowel> vowels, double breath,
              double rough) {
    std::vector<Vowel> vs(vowels);
    Buf b = make(n * gap + len + 0.05);
    for (int k = 0; k < n; k++) {
        Vowel v = vs[(size_t)k % vs.size()];
        double f = f0 * (1 - 0.04 * k) * r.range(0.95, 1.05);
        Buf s = voice(len, [f](double t) { return f * (1.1 - 0.3 * t); }, [v](double) { return v; },
                      [len](double t) { return env_ad(t, 0.015, len / 3); }, breath, rough, r);
        mix(b, s, k * gap, 1.0);
    }
    return b;
}

// ---- birds --------------------------------------------------------------------------------------

Buf chirp(double len, double f_from, double f_to, double amp_decay = 0) {
    return tone(len, [=](double t) { return f_from + (f_to - f_from) * t / len; },
                [=](double t) { return amp_decay > 0 ? env_ad(t, 0.004, amp_decay) : hump(t, len); }, {1.0, 2.0});
}

Buf crow(Rng &r, int calls) {
    Buf b = make(calls * 0.55 + 0.2);
    for (int k = 0; k < calls; k++) {
        Buf c = voice(0.38, [](double t) { return 420 - 120 * t; }, [](double) { return VAE; },
                      [](double t) { return std::min(1.0, t / 0.02) * std::min(1.0, (0.38 - t) / 0.15); }, 0.45, 0.3, r);
        filter(c, Biquad::HP, [](double) { return 500; }, 0.7);
        mix(b, c, 0.05 + k * 0.55, 1.0);
    }
    return b;
}

Buf woodpecker(Rng &r) {
    Buf b = make(1.4);
    for (int k = 0; k < 2; k++) mix(b, chirp(0.05, 2900, 2500), 0.02 + 0.3 * k, 0.8);
    for (int k = 0; k < 14; k++) {   // the drumming on a dead trunk
        Buf knock = thud(380, 0.05, 1.5, r);
        mix(b, knock, 0.65 + k * 0.045, 0.9 - k * 0.04);
    }
    return b;
}

Buf magpie(Rng &r, int n) {
    Buf b = make(n * 0.11 + 0.2);
    for (int k = 0; k < n; k++) {
        Buf c = burst(0.07, Biquad::BP, [](double) { return 2300; }, 1.5, [](double t) { return env_ad(t, 0.003, 0.02); }, r);
        mix(c, chirp(0.06, 1900, 1600, 0.02), 0, 0.6);
        mix(b, c, 0.03 + k * 0.11, 1.0);
    }
    return b;
}

Buf song(Rng &r, int notes, double lo, double hi, double note_len, double gap, bool trill_end) {
    Buf b = make(notes * (note_len + gap) + 0.8);
    double at = 0.02;
    for (int k = 0; k < notes; k++) {
        double f1 = r.range(lo, hi), f2 = f1 * r.range(0.8, 1.25);
        mix(b, chirp(note_len, f1, f2), at, 0.8);
        at += note_len + gap;
    }
    if (trill_end) {
        for (int k = 0; k < 8; k++) mix(b, chirp(0.035, hi * 1.05, hi * 0.8), at + k * 0.045, 0.7);
        mix(b, chirp(0.3, lo * 1.1, lo * 0.9), at + 0.4, 0.8);   // the long closing note
    }
    return b;
}

Buf chaffinch(Rng &r) {
    Buf b = make(2.0);
    double at = 0.02;
    for (int k = 0; k < 10; k++, at += 0.07) mix(b, chirp(0.05, 4200 - k * 120, 3600 - k * 120), at, 0.8);
    for (int k = 0; k < 4; k++, at += 0.09) mix(b, chirp(0.07, 3000, 2400), at, 0.8);
    mix(b, chirp(0.25, 3800, 2200), at + 0.05, 0.9);   // the flourish
    (void)r;
    return b;
}

Buf nightingale(Rng &r) {
    Buf b = make(2.6);
    double at = 0.02;
    for (int k = 0; k < 4; k++, at += 0.2) mix(b, chirp(0.16, 1800, 1900), at, 0.7);
    for (int k = 0; k < 16; k++, at += 0.05) mix(b, chirp(0.035, 3400, 2600), at, 0.7);
    for (int k = 0; k < 3; k++, at += 0.3) mix(b, chirp(0.25, r.range(2000, 3000), r.range(3500, 4500)), at, 0.8);
    return b;
}

// ---- water, wood and ground ---------------------------------------------------------------------

Buf splash(Rng &r, double len) {
    Buf b = burst(len, Biquad::LP, [len](double t) { return 6000 - 5000 * t / len; }, 0.7,
                  [len](double t) { return env_ad(t, 0.005, len / 4); }, r);
    for (int k = 0; k < 14; k++) {   // droplets falling back
        double at = r.range(0.05, len * 0.8), f = r.range(600, 1600);
        Buf d = tone(0.05, [f](double t) { return f * (1 + 6 * t); }, [](double t) { return env_ad(t, 0.002, 0.015); });
        mix(b, d, at, r.range(0.1, 0.35));
    }
    return b;
}

Buf footstep(Rng &r, double thud_f, double rustle_fc, double rustle, double len) {
    Buf b = thud(thud_f, len, 0.6, r);
    Buf n = burst(len, Biquad::BP, [rustle_fc](double) { return rustle_fc; }, 1.0,
                  [len](double t) { return env_ad(t, 0.01, len / 4); }, r);
    mix(b, n, 0.005, rustle);
    return b;
}

Buf crunch(Rng &r, double len) {
    Buf b = make(len);
    int grains = 90;
    for (int k = 0; k < grains; k++) {
        double at = len * 0.7 * std::pow(r.uni(), 1.5);
        Buf g = burst(0.006, Biquad::HP, [](double) { return 1500; }, 0.7, [](double t) { return env_ad(t, 0.0005, 0.002); }, r);
        mix(b, g, at, r.range(0.2, 1.0));
    }
    mix(b, thud(90, 0.2, 0.2, r), 0, 0.5);
    return b;
}

Buf chops(Rng &r, int n, double every, double wood_f) {
    Buf b = make(n * every + 1.0);
    for (int k = 0; k < n; k++) {
        double at = k * every;
        Buf c = ring(wood_f * r.range(0.97, 1.03), 0.3, {1.0, 2.3, 3.9}, 0.05);
        mix(c, thud(110, 0.2, 1.2, r), 0, 0.8);
        mix(b, c, at, 1.0);
    }
    return b;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: gen_audio <working folder>\n");
        return 2;
    }
    folder = std::string(argv[1]) + "/audio";
    mkdir(argv[1], 0755);
    mkdir(folder.c_str(), 0755);

    // ---- the fixed list of effects ----
    {
        Rng r(seed_of("kling"));
        Buf b = ring(1320, 0.7, {1.0, 2.0, 3.01, 4.2}, 0.25);
        mix(b, ring(1760, 0.5, {1.0, 2.0}, 0.2), 0.06, 0.5);
        write_wav("kling.wav", b);
    }
    { Rng r(seed_of("bark")); write_wav("bark.wav", bark(r)); }
    { Rng r(seed_of("wolf")); write_wav("wolf.wav", howl(r, 2.8, 330, 560)); }
    { Rng r(seed_of("wolf2")); write_wav("wolf2.wav", howl(r, 3.2, 300, 620)); }
    {
        Rng r(seed_of("owl"));
        auto hoot = [](double len) {
            return tone(len, [](double t) { return 390 - 40 * t; }, [len](double t) { return hump(t, len); }, {1.0, 2.0});
        };
        Buf b = make(1.8);
        mix(b, hoot(0.3), 0.05, 1.0);
        mix(b, hoot(0.15), 0.55, 0.8);
        mix(b, hoot(0.5), 0.9, 1.0);
        write_wav("owl.wav", b);
        Buf c = make(1.5);
        mix(c, hoot(0.6), 0.05, 1.0);
        mix(c, hoot(0.35), 0.95, 0.8);
        write_wav("owl2.wav", c);
        (void)r;
    }
    {
        Rng r(seed_of("swing"));
        write_wav("swing.wav", burst(0.38, Biquad::BP, [](double t) { return 400 + 3000 * hump(t, 0.38); }, 2.0,
                                     [](double t) { return hump(t, 0.38); }, r));
    }
    {
        Rng r(seed_of("fire"));
        Buf b = brown(2.5, r);
        filter(b, Biquad::LP, [](double) { return 700; }, 0.7);
        for (int k = 0; k < 45; k++) {
            Buf c = burst(0.012, Biquad::HP, [](double) { return 2000; }, 0.7, [](double t) { return env_ad(t, 0.0005, 0.003); }, r);
            mix(b, c, r.range(0, 2.4), r.range(0.3, 1.5));
        }
        write_wav("fire.wav", b);
    }
    {
        Rng r(seed_of("snarl"));
        Buf b = voice(0.8, [](double t) { return 150 + 40 * std::sin(2 * PI * 7 * t); }, [](double) { return VAE; },
                      [](double t) { return hump(t, 0.8); }, 0.5, 0.35, r);
        write_wav("snarl.wav", b);
    }
    { Rng r(seed_of("growl")); write_wav("growl.wav", growl(r, 85, 1.1)); }
    { Rng r(seed_of("growl2")); write_wav("growl2.wav", growl(r, 100, 0.9)); }
    { Rng r(seed_of("growl3")); write_wav("growl3.wav", growl(r, 75, 1.4)); }
    { Rng r(seed_of("roar")); write_wav("roar.wav", roar(r, 140, 1.5)); }
    { Rng r(seed_of("roar2")); write_wav("roar2.wav", roar(r, 115, 1.8)); }
    {
        Rng r(seed_of("burp"));
        write_wav("burp.wav", voice(0.45, [](double t) { return 95 - 20 * t; }, [](double) { return VO; },
                                    [](double t) { return hump(t, 0.45); }, 0.2, 0.3, r));
    }
    {
        Rng r(seed_of("fall"));
        Buf b = thud(55, 0.6, 1.0, r);
        mix(b, burst(0.5, Biquad::BP, [](double) { return 1200; }, 0.8, [](double t) { return env_ad(t, 0.01, 0.12); }, r), 0.02, 0.6);
        write_wav("fall.wav", b);
    }
    { Rng r(seed_of("guffaw1")); write_wav("guffaw1.wav", syllables(r, 5, 190, 0.19, 0.14, {VA}, 0.35, 0.05)); }
    { Rng r(seed_of("guffaw2")); write_wav("guffaw2.wav", syllables(r, 4, 150, 0.22, 0.17, {VA, VAE}, 0.3, 0.05)); }
    {
        Rng r(seed_of("bawl"));
        write_wav("bawl.wav", voice(1.3, [](double t) { return 170 + 50 * hump(t, 1.3); },
                                    [](double t) { return blend(VE, VO, t / 1.3); },
                                    [](double t) { return std::min(1.0, t / 0.1) * std::min(1.0, (1.3 - t) / 0.4); }, 0.15, 0.03, r));
    }
    {
        Rng r(seed_of("snuffle"));
        Buf b = make(1.2);
        for (int k = 0; k < 6; k++)
            mix(b, burst(0.09, Biquad::BP, [](double) { return 1800; }, 1.2, [](double t) { return hump(t, 0.09); }, r), 0.05 + k * 0.17 + r.range(0, 0.04), 1.0);
        write_wav("snuffle.wav", b);
    }
    { Rng r(seed_of("grunt")); write_wav("grunt.wav", syllables(r, 1, 110, 0.3, 0.25, {VU}, 0.25, 0.15)); }
    { Rng r(seed_of("grunt2")); write_wav("grunt2.wav", syllables(r, 2, 100, 0.28, 0.2, {VO}, 0.25, 0.15)); }
    { Rng r(seed_of("grunt3")); write_wav("grunt3.wav", syllables(r, 1, 90, 0.3, 0.35, {VA}, 0.3, 0.2)); }
    {
        Rng r(seed_of("whimper"));
        Buf b = make(1.3);
        for (int k = 0; k < 3; k++)
            mix(b, voice(0.3, [](double t) { return 780 - 500 * t; }, [](double) { return VI; }, [](double t) { return hump(t, 0.3); }, 0.2, 0.02, r), 0.05 + k * 0.4, 1.0);
        write_wav("whimper.wav", b);
    }
    {
        Rng r(seed_of("snort"));
        write_wav("snort.wav", burst(0.3, Biquad::BP, [](double) { return 500; }, 1.5, [](double t) { return env_ad(t, 0.005, 0.07); }, r));
        Buf b = burst(0.5, Biquad::BP, [](double t) { return 450 + 300 * t; }, 1.5, [](double t) { return env_ad(t, 0.01, 0.08); }, r);
        mix(b, burst(0.3, Biquad::BP, [](double) { return 600; }, 1.5, [](double t) { return env_ad(t, 0.005, 0.06); }, r), 0.25, 0.8);
        write_wav("snort2.wav", b);
    }
    { Rng r(seed_of("varis")); write_wav("bird_varis.wav", crow(r, 3)); }
    { Rng r(seed_of("varis2")); write_wav("bird_varis2.wav", crow(r, 2)); }
    { Rng r(seed_of("kapytikka")); write_wav("bird_kapytikka.wav", woodpecker(r)); }
    { Rng r(seed_of("harakka")); write_wav("bird_harakka.wav", magpie(r, 9)); }
    { Rng r(seed_of("harakka2")); write_wav("bird_harakka2.wav", magpie(r, 6)); }
    {
        Rng r(seed_of("keltasirkku"));
        Buf b = make(2.4);
        for (int k = 0; k < 8; k++) mix(b, chirp(0.08, 5200, 4700), 0.02 + k * 0.14, 0.8);
        mix(b, chirp(0.6, 3900, 3500), 1.2, 0.9);   // "...pii-tyyyy"
        write_wav("bird_keltasirkku.wav", b);
    }
    { Rng r(seed_of("leppalintu")); write_wav("bird_leppalintu.wav", song(r, 5, 3000, 4200, 0.12, 0.05, false)); }
    { Rng r(seed_of("leppalintu2")); write_wav("bird_leppalintu2.wav", song(r, 4, 3400, 4600, 0.1, 0.06, true)); }
    { Rng r(seed_of("peippo")); write_wav("bird_peippo.wav", chaffinch(r)); }
    {
        Rng r(seed_of("peippo2"));
        Buf b = make(1.2);
        for (int k = 0; k < 3; k++) mix(b, chirp(0.06, 4800, 4300), 0.05 + k * 0.35, 0.8);   // "pink, pink"
        write_wav("bird_peippo2.wav", b);
    }
    { Rng r(seed_of("satakieli2")); write_wav("bird_satakieli2.wav", nightingale(r)); }
    { Rng r(seed_of("splash")); write_wav("splash.wav", splash(r, 0.9)); }
    { Rng r(seed_of("watersound")); write_wav("watersound.wav", splash(r, 0.45)); }
    {
        Rng r(seed_of("harr"));
        Buf b = make(1.4);
        for (int k = 0; k < 6; k++) {
            double f = r.range(120, 260);
            mix(b, voice(1.1, [f](double t) { return f * (1 + 0.15 * hump(t, 1.1)); }, [](double t) { return blend(VU, VA, std::min(1.0, t * 3)); },
                         [](double t) { return std::min(1.0, t / 0.1) * std::min(1.0, (1.1 - t) / 0.3); }, 0.3, 0.05, r),
                r.range(0, 0.15), 0.6);
        }
        write_wav("harr.wav", b);
    }
    {
        Rng r(seed_of("faderun"));
        Buf b = make(1.8);
        for (int k = 0; k < 9; k++) mix(b, footstep(r, 80, 900, 0.5, 0.15), 0.02 + k * 0.18, 1.0 - k * 0.1);
        write_wav("faderun.wav", b);
    }
    {
        Rng r(seed_of("run"));
        Buf b = make(0.4);
        mix(b, footstep(r, 85, 1000, 0.6, 0.15), 0.0, 1.0);
        mix(b, footstep(r, 80, 1000, 0.6, 0.15), 0.17, 0.9);
        write_wav("run.wav", b);
    }
    {
        Rng r(seed_of("crawl"));
        write_wav("crawl.wav", burst(0.5, Biquad::BP, [](double t) { return 900 + 500 * t; }, 0.8, [](double t) { return hump(t, 0.5); }, r));
    }
    { Rng r(seed_of("thump")); write_wav("thump.wav", thud(70, 0.3, 0.8, r)); }
    {
        Rng r(seed_of("crack"));
        Buf b = burst(0.25, Biquad::HP, [](double) { return 1200; }, 0.7, [](double t) { return env_ad(t, 0.0005, 0.02); }, r);
        mix(b, ring(900, 0.2, {1.0, 2.7}, 0.03), 0.0, 0.3);
        write_wav("crack.wav", b);
    }
    {
        Rng r(seed_of("death"));
        Buf b = tone(2.6, [](double t) { return 110 - 30 * t / 2.6; }, [](double t) { return std::min(1.0, t / 0.3) * std::exp(-t / 1.5); },
                     {1.0, 1.5, 2.0, 3.0});
        mix(b, tone(2.6, [](double) { return 55; }, [](double t) { return hump(t, 2.6); }), 0, 0.6);
        write_wav("death.wav", b);
    }

    // ---- samples that notes name, and the step sounds ----
    {
        Rng r(seed_of("meow"));
        write_wav("meow.wav", voice(0.7, [](double t) { return 560 + 180 * hump(t, 0.5) - 150 * t; },
                                    [](double t) { return t < 0.2 ? blend(VI, VA, t / 0.2) : blend(VA, VU, (t - 0.2) / 0.5); },
                                    [](double t) { return hump(t, 0.7); }, 0.1, 0.01, r));
    }
    { Rng r(seed_of("bird1")); write_wav("bird1.wav", song(r, 6, 2600, 3800, 0.09, 0.04, true)); }
    {
        Rng r(seed_of("sheep"));
        write_wav("sheep.wav", voice(0.8, [](double t) { return 230 * (1 + 0.06 * std::sin(2 * PI * 8 * t)); }, [](double) { return VAE; },
                                     [](double t) { return hump(t, 0.8) * (0.75 + 0.25 * std::sin(2 * PI * 8 * t)); }, 0.2, 0.04, r));
    }
    { Rng r(seed_of("drop")); write_wav("drop.wav", thud(140, 0.25, 1.0, r)); }
    {
        Rng r(seed_of("block"));
        Buf b = ring(520, 0.8, {1.0, 2.65, 4.2, 6.5}, 0.25);
        mix(b, burst(0.02, Biquad::HP, [](double) { return 3000; }, 0.7, [](double t) { return env_ad(t, 0.0005, 0.005); }, r), 0, 1.0);
        write_wav("block.wav", b);
    }
    { Rng r(seed_of("swear")); write_wav("swear.wav", syllables(r, 5, 135, 0.13, 0.12, {VE, VA, VO, VU, VAE}, 0.25, 0.1)); }
    { Rng r(seed_of("meanlaug")); write_wav("meanlaug.wav", syllables(r, 5, 115, 0.17, 0.12, {VE}, 0.45, 0.08)); }
    {
        Rng r(seed_of("spoil"));
        write_wav("spoil.wav", voice(0.45, [](double t) { return 210 - 160 * t; }, [](double t) { return blend(VE, VU, t / 0.45); },
                                     [](double t) { return hump(t, 0.45); }, 0.3, 0.2, r));
    }
    {
        Rng r(seed_of("yelp"));
        write_wav("yelp.wav", voice(0.25, [](double t) { return 900 + 500 * hump(t, 0.25); }, [](double) { return VI; },
                                    [](double t) { return env_ad(t, 0.01, 0.08); }, 0.15, 0.02, r));
    }
    {
        Rng r(seed_of("squeak"));
        Buf b = make(0.4);
        mix(b, chirp(0.07, 3000, 3600), 0.02, 1.0);
        mix(b, chirp(0.09, 3100, 3800), 0.18, 0.9);
        write_wav("squeak.wav", b);
        (void)r;
    }
    {
        Rng r(seed_of("HITPLR4"));
        write_wav("HITPLR4.wav", voice(0.65, [](double t) { return 320 - 120 * t; }, [](double) { return VA; },
                                       [](double t) { return std::min(1.0, t / 0.03) * std::exp(-t / 0.3); }, 0.2, 0.05, r));
    }
    {
        Rng r(seed_of("HITPLR5"));
        write_wav("HITPLR5.wav", voice(0.7, [](double) { return 160; }, [](double) { return VAE; },
                                       [](double t) { return hump(t, 0.7); }, 0.85, 0.05, r));
    }
    {
        Rng r(seed_of("smash"));
        Buf b = burst(0.6, Biquad::HP, [](double) { return 800; }, 0.7, [](double t) { return env_ad(t, 0.002, 0.12); }, r);
        for (int k = 0; k < 6; k++) mix(b, ring(r.range(1800, 3600), 0.3, {1.0, 2.4}, 0.06), r.range(0.02, 0.3), 0.3);
        write_wav("smash.wav", b);
    }
    { Rng r(seed_of("walk")); write_wav("walk.wav", footstep(r, 90, 1400, 0.5, 0.2)); }
    { Rng r(seed_of("walk-2")); write_wav("walk-2.wav", footstep(r, 95, 1600, 0.55, 0.2)); }
    {
        Rng r(seed_of("walk_soggy"));
        Buf b = footstep(r, 70, 500, 0.3, 0.25);
        mix(b, burst(0.2, Biquad::BP, [](double t) { return 300 + 1500 * t; }, 4.0, [](double t) { return hump(t, 0.2); }, r), 0.04, 0.8);
        write_wav("walk_soggy.wav", b);
    }
    { Rng r(seed_of("walk_deepsnow")); write_wav("walk_deepsnow.wav", crunch(r, 0.35)); }
    {
        Rng r(seed_of("walkinside"));
        Buf b = ring(190, 0.25, {1.0, 2.3}, 0.04);
        mix(b, thud(120, 0.2, 0.8, r), 0, 0.8);
        write_wav("walkinside.wav", b);
    }
    {
        Rng r(seed_of("wade"));
        Buf b = burst(0.5, Biquad::LP, [](double t) { return 1800 - 1000 * t; }, 0.8, [](double t) { return hump(t, 0.5); }, r);
        mix(b, splash(r, 0.3), 0.1, 0.4);
        write_wav("wade.wav", b);
    }
    {
        Rng r(seed_of("ski"));
        write_wav("ski.wav", burst(0.45, Biquad::BP, [](double t) { return 2500 + 1500 * hump(t, 0.45); }, 1.5,
                                   [](double t) { return hump(t, 0.45); }, r));
    }

    // ---- loops: each cross-fades its tail into its head, so it repeats without a seam ----
    const size_t FADE = SR / 2;
    {
        Rng r(seed_of("lake"));
        Buf b = brown(8.5, r);
        filter(b, Biquad::LP, [](double) { return 900; }, 0.7);
        for (size_t i = 0; i < b.size(); i++) b[i] *= (float)(0.6 + 0.4 * std::sin(2 * PI * (double)i / SR / 2.0));
        for (int k = 0; k < 30; k++) {
            double f = r.range(500, 1200);
            mix(b, tone(0.06, [f](double t) { return f * (1 + 4 * t); }, [](double t) { return env_ad(t, 0.003, 0.02); }), r.range(0, 8.0), 0.15);
        }
        write_loop_ogg("lake.ogg", loop_of(b, (size_t)(8.0 * SR), FADE));
    }
    {
        Rng r(seed_of("dig"));
        Buf b = make(5.5);
        for (int k = 0; k < 5; k++) {
            mix(b, burst(0.35, Biquad::BP, [](double) { return 1500; }, 0.9, [](double t) { return hump(t, 0.35); }, r), k * 1.0, 0.7);
            mix(b, thud(80, 0.3, 0.8, r), k * 1.0 + 0.4, 1.0);
        }
        write_loop_ogg("dig.ogg", loop_of(b, (size_t)(4.0 * SR), FADE / 4));
    }
    { Rng r(seed_of("axework")); write_loop_ogg("axework.ogg", loop_of(chops(r, 5, 0.9, 160), (size_t)(3.6 * SR), FADE / 4)); }
    {
        Rng r(seed_of("fleshwork"));
        Buf b = make(4.6);
        for (int k = 0; k < 8; k++)
            mix(b, burst(0.3, Biquad::BP, [](double t) { return 700 + 900 * t; }, 3.0, [](double t) { return hump(t, 0.3); }, r), k * 0.5 + r.range(0, 0.1), 1.0);
        write_loop_ogg("fleshwork.ogg", loop_of(b, (size_t)(4.0 * SR), FADE / 4));
    }
    {
        Rng r(seed_of("breeze"));
        Buf b = noise(10.5, r);
        filter(b, Biquad::BP, [](double t) { return 500 + 350 * std::sin(2 * PI * t / 5.0) + 150 * std::sin(2 * PI * t / 2.5); }, 1.2);
        for (size_t i = 0; i < b.size(); i++) b[i] *= (float)(0.65 + 0.35 * std::sin(2 * PI * (double)i / SR / 5.0));
        write_loop_ogg("breeze.ogg", loop_of(b, (size_t)(10.0 * SR), FADE));
    }
    {
        Rng r(seed_of("rain"));
        Buf b = noise(8.5, r);
        filter(b, Biquad::LP, [](double) { return 5000; }, 0.7);
        for (float &v : b) v *= 0.3f;
        for (int k = 0; k < 900; k++) {
            Buf d = burst(0.01, Biquad::BP, [](double) { return 3500; }, 1.0, [](double t) { return env_ad(t, 0.0005, 0.002); }, r);
            mix(b, d, r.range(0, 8.4), r.range(0.2, 1.0));
        }
        write_loop_ogg("rain.ogg", loop_of(b, (size_t)(8.0 * SR), FADE));
    }
    {
        Rng r(seed_of("ambience"));
        Buf b = noise(12.5, r);
        filter(b, Biquad::LP, [](double t) { return 400 + 150 * std::sin(2 * PI * t / 6.0); }, 0.7);
        for (int k = 0; k < 5; k++) {
            Buf s = song(r, 3, 2800, 4200, 0.08, 0.05, false);
            mix(b, s, 0.5 + k * 2.3 + r.range(0, 0.8), 0.08);
        }
        write_loop_ogg("ambience.ogg", loop_of(b, (size_t)(12.0 * SR), FADE));
    }
    for (int k = 0; k < 2; k++) {
        Rng r(seed_of(k ? "windfly2" : "windfly"));
        double len = k ? 5.0 : 4.0;
        Buf b = noise(len, r);
        filter(b, Biquad::BP, [len](double t) { return 400 + 900 * hump(t, len); }, 1.5);
        for (size_t i = 0; i < b.size(); i++) b[i] *= (float)hump((double)i / SR, len);
        write_loop_ogg(k ? "windfly2.ogg" : "windfly.ogg", b);
    }
    for (int k = 0; k < 3; k++) {
        static const char *names[3] = {"ritual.ogg", "ritual2.ogg", "ritual3.ogg"};
        Rng r(seed_of(names[k]));
        const double beat = 0.6 - 0.08 * k;
        Buf b = make(6.0);
        for (int i = 0; i * beat < 5.5; i++) mix(b, thud(65 + 10 * k, 0.5, 0.4, r), i * beat, (i % 2) ? 0.6 : 1.0);
        double f = 110 + 15 * k;
        mix(b, voice(5.5, [f](double t) { return f * (1 + 0.02 * std::sin(2 * PI * 0.7 * t)); },
                     [](double t) { return blend(VO, VA, 0.5 + 0.5 * std::sin(2 * PI * t / 2.75)); },
                     [](double t) { return hump(t, 5.5); }, 0.1, 0.01, r),
            0.2, 0.5);
        write_loop_ogg(names[k], b);
    }

    // ---- music: plucked strings over drones, stereo ----
    auto music = [](const char *name, uint32_t seed, double len, double tempo, std::vector<double> scale, double root,
                    bool drums) {
        Rng r(seed);
        size_t frames = (size_t)(len * MUSIC_SR);
        Buf l(frames + MUSIC_SR * 4, 0.0f), rr(frames + MUSIC_SR * 4, 0.0f);
        auto put = [&](const Buf &b, double at, double gain, double pan) {
            size_t s = (size_t)(at * MUSIC_SR);
            for (size_t i = 0; i < b.size() && s + i < l.size(); i++) {
                l[s + i] += (float)(b[i] * gain * (1 - pan));
                rr[s + i] += (float)(b[i] * gain * pan);
            }
        };
        // The drone: root and fifth, slowly breathing, with a period that divides the length.
        // Its pitches make whole numbers of cycles over the piece, so the loop point falls on a zero.
        Buf drone = tone(len, [root](double) { return root / 2; }, [len](double t) { return 0.5 + 0.2 * std::sin(2 * PI * t / (len / 4)); },
                         {1.0, 1.5, 2.0}, MUSIC_SR);
        put(drone, 0, 0.12, 0.5);
        double step = 60.0 / tempo / 2;
        int steps = (int)(len / step);
        int deg = 0;
        for (int s = 0; s < steps; s++) {
            if (s % 16 == 15 && r.uni() < 0.5) continue;   // a breath at the end of a phrase
            deg += (int)std::lround(r.bi() * 2.2);
            if (deg < 0) deg = 1;
            if (deg >= (int)scale.size() * 2) deg = (int)scale.size() * 2 - 2;
            double f = root * scale[(size_t)deg % scale.size()] * (deg >= (int)scale.size() ? 2 : 1);
            Buf note = pluck(f, 2.5, 0.55, r, MUSIC_SR);
            put(note, s * step, (s % 4 == 0) ? 0.5 : 0.35, 0.35 + 0.3 * r.uni());
            if (s % 8 == 0) put(pluck(root * scale[(size_t)(deg + 2) % scale.size()] / 2, 3.0, 0.4, r, MUSIC_SR), s * step, 0.3, 0.5);
        }
        if (drums) {
            for (int s = 0; s * step < len; s += 2) {
                Buf d = tone(0.4, [](double t) { return 70 * (1 + std::exp(-t * 30)); }, [](double t) { return env_ad(t, 0.002, 0.12); }, {1.0}, MUSIC_SR);
                put(d, s * step, (s % 8 == 0) ? 0.9 : 0.55, 0.5);
            }
        }
        // Fold the ringing tail into the start so that the piece loops without a seam.
        for (size_t i = frames; i < l.size(); i++) {
            l[i - frames] += l[i];
            rr[i - frames] += rr[i];
        }
        Buf st(frames * 2);
        float m = 0;
        for (size_t i = 0; i < frames; i++) m = std::max(m, std::max(std::fabs(l[i]), std::fabs(rr[i])));
        for (size_t i = 0; i < frames; i++) {
            st[2 * i] = l[i] / m * 0.8f;
            st[2 * i + 1] = rr[i] / m * 0.8f;
        }
        write_ogg(name, st, 2, MUSIC_SR, 0.2f);
    };
    const std::vector<double> dorian = {1.0, 9.0 / 8, 6.0 / 5, 4.0 / 3, 3.0 / 2, 5.0 / 3, 9.0 / 5};
    const std::vector<double> pentatonic = {1.0, 9.0 / 8, 4.0 / 3, 3.0 / 2, 5.0 / 3};
    music("intro.ogg", seed_of("intro"), 32.0, 84, dorian, 220.0, false);
    music("music_munni.ogg", seed_of("munni"), 24.0, 72, pentatonic, 262.0, false);
    music("music_chantbeat.ogg", seed_of("chantbeat"), 16.0, 100, pentatonic, 196.0, true);
    music("music_birth.ogg", seed_of("birth"), 24.0, 60, dorian, 247.0, false);
    music("music_chant.ogg", seed_of("chant"), 24.0, 66, dorian, 165.0, false);
    music("music_ritual.ogg", seed_of("ritualpage"), 24.0, 54, pentatonic, 147.0, true);

    return failures ? 1 : 0;
}
