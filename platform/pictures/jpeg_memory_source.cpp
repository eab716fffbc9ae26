#include "platform/pictures/jpeg_memory_source.h"

#include <jerror.h>

namespace platform {
namespace {

// The source manager lives in libjpeg's own pool, freed with the decompression object.
void startReading(j_decompress_ptr) {}

boolean refillAfterEnd(j_decompress_ptr info) {
    ERREXIT(info, JERR_INPUT_EOF);
    return FALSE;
}

void skipBytes(j_decompress_ptr info, long count) {
    if (count <= 0)
        return;
    jpeg_source_mgr* source = info->src;
    if (static_cast<unsigned long>(count) > source->bytes_in_buffer)
        ERREXIT(info, JERR_INPUT_EOF);
    source->next_input_byte += count;
    source->bytes_in_buffer -= static_cast<std::size_t>(count);
}

void finishReading(j_decompress_ptr) {}

} // namespace

void useJpegMemorySource(j_decompress_ptr info, const unsigned char* bytes, std::size_t size) {
    auto* source = static_cast<jpeg_source_mgr*>((*info->mem->alloc_small)(
        reinterpret_cast<j_common_ptr>(info), JPOOL_PERMANENT, sizeof(jpeg_source_mgr)));
    source->init_source = startReading;
    source->fill_input_buffer = refillAfterEnd;
    source->skip_input_data = skipBytes;
    source->resync_to_restart = jpeg_resync_to_restart;
    source->term_source = finishReading;
    source->next_input_byte = bytes;
    source->bytes_in_buffer = size;
    info->src = source;
}

} // namespace platform
