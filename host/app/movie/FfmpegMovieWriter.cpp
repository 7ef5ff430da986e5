#include "movie/FfmpegMovieWriter.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <cstdio>
#include <vector>

namespace zorhost {

namespace {

// What FFmpeg should write for one format and its options.
struct Encoding {
    const char* container;
    AVCodecID codec;
    AVPixelFormat pixelFormat;
    // Fixed quantiser (1 best .. 31), or 0 for the codec's own rate control.
    int quantiser;
    int keyFrameInterval;
    bool reduceTo256Colours;
};

Encoding encodingFor(const MovieSettings& settings)
{
    switch (settings.format) {
    case MovieFormat::AVI:
        switch (settings.aviCompression) {
        case AviCompression::LinePreserving:
            return {"avi", AV_CODEC_ID_MJPEG, AV_PIX_FMT_YUVJ444P, 2, 1, false};
        case AviCompression::LosslessUncompressed:
            return {"avi", AV_CODEC_ID_RAWVIDEO, AV_PIX_FMT_BGR24, 0, 1, false};
        case AviCompression::ColorPreserving:
            break;
        }
        return {"avi", AV_CODEC_ID_MPEG4, AV_PIX_FMT_YUV420P, 2, 12, false};
    case MovieFormat::FLV:
        return {"flv", AV_CODEC_ID_FLV1, AV_PIX_FMT_YUV420P, 3, 12, false};
    case MovieFormat::Flash: {
        const int keyFrames = settings.flashCompression == FlashCompression::BestSpeed ? 1 : 60;
        switch (settings.flashImageType) {
        case FlashImageType::JPEG:
            return {"swf", AV_CODEC_ID_MJPEG, AV_PIX_FMT_YUVJ420P, 3, 1, false};
        case FlashImageType::Colors256:
            return {"swf", AV_CODEC_ID_FLV1, AV_PIX_FMT_YUV420P, 3, keyFrames, true};
        case FlashImageType::Lossless:
            break;
        }
        return {"swf", AV_CODEC_ID_FLV1, AV_PIX_FMT_YUV420P, 1, keyFrames, false};
    }
    case MovieFormat::MPEG4:
        return {"mp4", AV_CODEC_ID_H264, AV_PIX_FMT_YUV420P, 0, 60, false};
    case MovieFormat::WMV:
        return {"asf", AV_CODEC_ID_WMV2, AV_PIX_FMT_YUV420P, 2, 12, false};
    case MovieFormat::RasterMetafile:
        break;
    }
    throw MovieError("FFmpeg does not write this movie format");
}

std::string errorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = "";
    av_strerror(code, text, sizeof text);
    return text;
}

bool subsamplesChroma(AVPixelFormat format)
{
    return format == AV_PIX_FMT_YUV420P || format == AV_PIX_FMT_YUVJ420P;
}

// Keeps 3 bits of red and green and 2 of blue (256 colours), each spread
// back over the channel's full range.
std::uint8_t quantised(std::uint8_t value, int bits)
{
    const int levels = (1 << bits) - 1;
    return static_cast<std::uint8_t>((value >> (8 - bits)) * 255 / levels);
}

// `frame` in 256 colours into `reduced`, whose storage is reused.
void reduceTo256Colours(const Image& frame, Image& reduced)
{
    reduced.resize(frame.width, frame.height);
    for (std::size_t i = 0; i + 2 < frame.rgb.size(); i += 3) {
        reduced.rgb[i] = quantised(frame.rgb[i], 3);
        reduced.rgb[i + 1] = quantised(frame.rgb[i + 1], 3);
        reduced.rgb[i + 2] = quantised(frame.rgb[i + 2], 2);
    }
}

class FfmpegMovieWriter : public MovieWriter {
public:
    FfmpegMovieWriter(const MovieSettings& settings, const std::string& path)
        : settings_(settings), encoding_(encodingFor(settings)), path_(path)
    {
        codec_ = avcodec_find_encoder(encoding_.codec);
        if (codec_ == nullptr)
            throw MovieError(std::string("FFmpeg has no encoder for ") + avcodec_get_name(encoding_.codec));
        int code = avformat_alloc_output_context2(&format_, nullptr, encoding_.container, path.c_str());
        if (code < 0 || format_ == nullptr)
            throw MovieError("FFmpeg cannot write " + std::string(encoding_.container) + " files");
        code = avio_open(&format_->pb, path.c_str(), AVIO_FLAG_WRITE);
        if (code < 0) {
            avformat_free_context(format_);
            format_ = nullptr;
            throw MovieError("cannot create the file: " + errorText(code));
        }
    }

    ~FfmpegMovieWriter() override { abandon(); }
    FfmpegMovieWriter(const FfmpegMovieWriter&) = delete;
    FfmpegMovieWriter& operator=(const FfmpegMovieWriter&) = delete;

    void addFrame(const Image& frame) override
    {
        if (format_ == nullptr)
            throw MovieError("the movie is closed");
        if (encoder_ == nullptr)
            openEncoder(frame.width, frame.height);
        if (encoding_.reduceTo256Colours) {
            reduceTo256Colours(frame, reduced_);
            convert(reduced_);
        } else {
            convert(frame);
        }
        picture_->pts = frames_;
        encode(picture_);
        ++frames_;
    }

    void finish() override
    {
        if (format_ == nullptr)
            throw MovieError("the movie is closed");
        if (encoder_ == nullptr)
            failWith("a movie needs at least one frame");
        encode(nullptr);
        check(av_write_trailer(format_), "complete");
        const int code = avio_closep(&format_->pb);
        release();
        if (code < 0) {
            std::remove(path_.c_str());
            throw MovieError("cannot complete the file: " + errorText(code));
        }
    }

    void abandon() override
    {
        if (format_ == nullptr)
            return;
        avio_closep(&format_->pb);
        release();
        std::remove(path_.c_str());
    }

    int frames() const override { return frames_; }

private:
    [[noreturn]] void failWith(const std::string& message)
    {
        abandon();
        throw MovieError(message);
    }

    void check(int code, const char* what)
    {
        if (code < 0)
            failWith(std::string("cannot ") + what + " the movie: " + errorText(code));
    }

    void openEncoder(int width, int height)
    {
        if (width < 1 || height < 1)
            failWith("an empty frame");
        if (subsamplesChroma(encoding_.pixelFormat) && (width < 2 || height < 2))
            failWith("frames must be at least 2 x 2 pixels");
        movieSize(settings_, width, height);
        stream_ = avformat_new_stream(format_, nullptr);
        encoder_ = avcodec_alloc_context3(codec_);
        picture_ = av_frame_alloc();
        packet_ = av_packet_alloc();
        if (stream_ == nullptr || encoder_ == nullptr || picture_ == nullptr || packet_ == nullptr)
            failWith("out of memory");
        encoder_->width = width;
        encoder_->height = height;
        encoder_->pix_fmt = encoding_.pixelFormat;
        const AVRational rate = av_d2q(settings_.framesPerSecond, 65535);
        if (rate.num <= 0 || rate.den <= 0)
            failWith("the animation speed must be above 0 frames per second");
        // SWF stores the rate in 8.8 fixed point.
        if (std::string(encoding_.container) == "swf" && (256LL * rate.num < rate.den || rate.num >= 256LL * rate.den))
            failWith("a Flash (SWF) movie takes 1/256 to 255 frames per second");
        encoder_->framerate = rate;
        encoder_->time_base = av_inv_q(rate);
        encoder_->gop_size = encoding_.keyFrameInterval;
        if (encoding_.quantiser > 0) {
            encoder_->flags |= AV_CODEC_FLAG_QSCALE;
            encoder_->global_quality = FF_QP2LAMBDA * encoding_.quantiser;
            encoder_->qmin = encoder_->qmax = encoding_.quantiser;
        }
        if (encoding_.codec == AV_CODEC_ID_H264) {
            av_opt_set(encoder_->priv_data, "preset", "veryfast", 0);
            av_opt_set(encoder_->priv_data, "crf", "20", 0);
        }
        if (format_->oformat->flags & AVFMT_GLOBALHEADER)
            encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        check(avcodec_open2(encoder_, codec_, nullptr), "open the encoder of");
        check(avcodec_parameters_from_context(stream_->codecpar, encoder_), "describe");
        stream_->time_base = encoder_->time_base;
        stream_->avg_frame_rate = rate;
        stream_->r_frame_rate = rate;
        picture_->format = encoder_->pix_fmt;
        picture_->width = width;
        picture_->height = height;
        check(av_frame_get_buffer(picture_, 0), "allocate a frame of");
        check(avformat_write_header(format_, nullptr), "start");
    }

    // Frames of the movie's size are cropped to it (that drops the odd
    // column or row); frames of another size are scaled.
    void convert(const Image& frame)
    {
        const bool crop = frame.width >= encoder_->width && frame.width <= encoder_->width + 1 &&
                          frame.height >= encoder_->height && frame.height <= encoder_->height + 1;
        const int sourceWidth = crop ? encoder_->width : frame.width;
        const int sourceHeight = crop ? encoder_->height : frame.height;
        scaler_ = sws_getCachedContext(scaler_, sourceWidth, sourceHeight, AV_PIX_FMT_RGB24, encoder_->width,
                                       encoder_->height, encoder_->pix_fmt, SWS_BICUBIC, nullptr, nullptr, nullptr);
        if (scaler_ == nullptr || frame.width < 1 || frame.height < 1)
            failWith("cannot convert a frame of " + std::to_string(frame.width) + " x " + std::to_string(frame.height) +
                     " pixels");
        check(av_frame_make_writable(picture_), "write a frame of");
        const int stride[1] = {frame.width * 3};
        const std::uint8_t* source[1] = {frame.rgb.data()};
        if (sourceHeight > 1)
            sws_scale(scaler_, source, stride, 0, sourceHeight - 1, picture_->data, picture_->linesize);
        // swscale's vector code reads a little past the end of each row: of
        // the last row, past the end of the picture, where the next page of
        // memory may not be readable. That row is read from a copy with
        // room behind it.
        const std::uint8_t* const lastRow = frame.pixel(0, sourceHeight - 1);
        lastRow_.assign(lastRow, lastRow + stride[0]);
        lastRow_.resize(lastRow_.size() + AV_INPUT_BUFFER_PADDING_SIZE);
        source[0] = lastRow_.data();
        sws_scale(scaler_, source, stride, sourceHeight - 1, 1, picture_->data, picture_->linesize);
    }

    // Sends a frame (null: the end) and writes every packet the encoder has.
    void encode(const AVFrame* frame)
    {
        check(avcodec_send_frame(encoder_, frame), "encode");
        for (;;) {
            const int code = avcodec_receive_packet(encoder_, packet_);
            if (code == AVERROR(EAGAIN) || code == AVERROR_EOF)
                return;
            check(code, "encode");
            av_packet_rescale_ts(packet_, encoder_->time_base, stream_->time_base);
            packet_->stream_index = stream_->index;
            check(av_interleaved_write_frame(format_, packet_), "write");
        }
    }

    void release()
    {
        sws_freeContext(scaler_);
        scaler_ = nullptr;
        av_packet_free(&packet_);
        av_frame_free(&picture_);
        avcodec_free_context(&encoder_);
        avformat_free_context(format_);
        format_ = nullptr;
        stream_ = nullptr;
    }

    MovieSettings settings_;
    Encoding encoding_;
    std::string path_;
    const AVCodec* codec_ = nullptr;
    AVFormatContext* format_ = nullptr;
    AVStream* stream_ = nullptr;
    AVCodecContext* encoder_ = nullptr;
    AVFrame* picture_ = nullptr;
    AVPacket* packet_ = nullptr;
    SwsContext* scaler_ = nullptr;
    Image reduced_;
    std::vector<std::uint8_t> lastRow_;
    int frames_ = 0;
};

}  // namespace

std::unique_ptr<MovieWriter> openFfmpegMovie(const MovieSettings& settings, const std::string& path)
{
    // The encoders' statistics are noise on a terminal; errors are reported
    // through MovieError.
    av_log_set_level(AV_LOG_ERROR);
    return std::make_unique<FfmpegMovieWriter>(settings, path);
}

void movieSize(const MovieSettings& settings, int& width, int& height)
{
    if (settings.format == MovieFormat::RasterMetafile || !subsamplesChroma(encodingFor(settings).pixelFormat))
        return;
    width -= width % 2;
    height -= height % 2;
}

}  // namespace zorhost
