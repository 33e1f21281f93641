/*
 * png_floor: the reference point for decoding a batch of icon files, a plain C decoder on zlib.
 *
 *   png_floor [--no-crc] FILE.ico...
 *
 * For every file: read it, walk its directory, and decode every entry to 8-bit RGBA.
 *  - PNG entries: parse the chunks (checking each chunk's CRC unless --no-crc), inflate the
 *    IDAT data with a plain zlib inflate (its own checks left on), undo the row filters.
 *    Only 8-bit RGB, RGBA, grey and grey+alpha non-interlaced images are decoded; other forms
 *    are counted as skipped.
 *  - Bitmap entries (BITMAPINFOHEADER, uncompressed, 1/4/8/24/32 bits): convert the rows to
 *    RGBA and apply the AND mask (alpha from the colour data for 32-bit images whose alpha is
 *    not all zero).
 * Every output pixel is added to a checksum, which is printed with the counts, so that none of
 * the work can be optimised away. Nothing here is tuned: it is the straightforward code.
 */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <zlib.h>

static int check_crc = 1;

struct totals {
    long files, png, dib, skipped, failed;
    long long pixels;
    uint64_t checksum;
};

static uint32_t be32(const uint8_t *p)
{
    return ((uint32_t)p[0] << 24) | ((uint32_t)p[1] << 16) | ((uint32_t)p[2] << 8) | p[3];
}
static uint32_t le32(const uint8_t *p)
{
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}
static uint16_t le16(const uint8_t *p) { return (uint16_t)(p[0] | (p[1] << 8)); }

/* Adds one RGBA image to the checksum: every byte of every pixel is read. */
static void add_pixels(struct totals *t, const uint8_t *rgba, size_t npixels)
{
    uint64_t sum = t->checksum;
    for (size_t i = 0; i < npixels; i++) {
        uint32_t px = (uint32_t)rgba[4 * i] | ((uint32_t)rgba[4 * i + 1] << 8) | ((uint32_t)rgba[4 * i + 2] << 16) |
                      ((uint32_t)rgba[4 * i + 3] << 24);
        sum = sum * 31 + px;
    }
    t->checksum = sum;
    t->pixels += (long long)npixels;
}

static int paeth(int a, int b, int c)
{
    int p = a + b - c;
    int pa = abs(p - a), pb = abs(p - b), pc = abs(p - c);
    if (pa <= pb && pa <= pc)
        return a;
    if (pb <= pc)
        return b;
    return c;
}

/* 1 decoded, 0 skipped (a form this decoder leaves out), -1 failed. */
static int decode_png(const uint8_t *data, size_t size, struct totals *t)
{
    static const uint8_t sig[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    size_t pos = 8;
    uint32_t width = 0, height = 0;
    int channels = 0, have_header = 0, stream_end = 0, done = 0, result = -1;
    uint8_t *filtered = NULL, *rgba = NULL;
    size_t stride = 0, filtered_size = 0;
    z_stream z;
    int z_open = 0;

    if (size < 8 || memcmp(data, sig, 8) != 0)
        return -1;
    memset(&z, 0, sizeof z);

    while (!done) {
        uint32_t length, type;
        const uint8_t *body;
        if (size - pos < 12)
            goto out;
        length = be32(data + pos);
        if (length > size - pos - 12)
            goto out;
        type = be32(data + pos + 4);
        body = data + pos + 8;
        if (check_crc && (uint32_t)crc32(0, data + pos + 4, length + 4) != be32(body + length))
            goto out;
        pos += 12 + (size_t)length;

        if (type == 0x49484452u) { /* IHDR */
            int depth, colour;
            if (length != 13 || have_header)
                goto out;
            width = be32(body);
            height = be32(body + 4);
            depth = body[8];
            colour = body[9];
            if (width == 0 || height == 0 || width > 4096 || height > 4096)
                goto out;
            if (depth != 8 || body[10] != 0 || body[11] != 0 || body[12] != 0) {
                result = 0;
                goto out;
            }
            switch (colour) {
            case 0: channels = 1; break;
            case 2: channels = 3; break;
            case 4: channels = 2; break;
            case 6: channels = 4; break;
            default: result = 0; goto out;
            }
            have_header = 1;
            stride = (size_t)width * channels + 1;
            filtered_size = stride * height;
            filtered = malloc(filtered_size);
            if (!filtered || inflateInit(&z) != Z_OK)
                goto out;
            z_open = 1;
            z.next_out = filtered;
            z.avail_out = (uInt)filtered_size;
        } else if (type == 0x49444154u) { /* IDAT */
            if (!have_header)
                goto out;
            z.next_in = (Bytef *)body;
            z.avail_in = length;
            while (z.avail_in > 0 && !stream_end) {
                int ret = inflate(&z, Z_NO_FLUSH);
                if (ret == Z_STREAM_END)
                    stream_end = 1;
                else if (ret != Z_OK)
                    goto out; /* corrupt, or more data than the image holds */
            }
        } else if (type == 0x74524E53u) { /* tRNS: changes the pixels, not handled here */
            result = 0;
            goto out;
        } else if (type == 0x49454E44u) { /* IEND */
            done = 1;
        }
    }
    if (!have_header || !stream_end || z.avail_out != 0)
        goto out;

    /* Undo the filters in place, then widen to RGBA. */
    {
        size_t bpp = (size_t)channels, n = (size_t)width * channels;
        uint8_t *prev = NULL;
        rgba = malloc((size_t)width * height * 4);
        if (!rgba)
            goto out;
        for (uint32_t y = 0; y < height; y++) {
            uint8_t *row = filtered + stride * y;
            uint8_t *cur = row + 1;
            size_t i;
            switch (row[0]) {
            case 0: break;
            case 1:
                for (i = bpp; i < n; i++)
                    cur[i] = (uint8_t)(cur[i] + cur[i - bpp]);
                break;
            case 2:
                if (prev)
                    for (i = 0; i < n; i++)
                        cur[i] = (uint8_t)(cur[i] + prev[i]);
                break;
            case 3:
                for (i = 0; i < n; i++) {
                    int a = i >= bpp ? cur[i - bpp] : 0;
                    int b = prev ? prev[i] : 0;
                    cur[i] = (uint8_t)(cur[i] + ((a + b) >> 1));
                }
                break;
            case 4:
                for (i = 0; i < n; i++) {
                    int a = i >= bpp ? cur[i - bpp] : 0;
                    int b = prev ? prev[i] : 0;
                    int c = (prev && i >= bpp) ? prev[i - bpp] : 0;
                    cur[i] = (uint8_t)(cur[i] + paeth(a, b, c));
                }
                break;
            default: goto out;
            }
            prev = cur;

            uint8_t *dst = rgba + (size_t)y * width * 4;
            for (uint32_t x = 0; x < width; x++, dst += 4) {
                const uint8_t *s = cur + (size_t)x * channels;
                switch (channels) {
                case 4: dst[0] = s[0]; dst[1] = s[1]; dst[2] = s[2]; dst[3] = s[3]; break;
                case 3: dst[0] = s[0]; dst[1] = s[1]; dst[2] = s[2]; dst[3] = 255; break;
                case 2: dst[0] = dst[1] = dst[2] = s[0]; dst[3] = s[1]; break;
                default: dst[0] = dst[1] = dst[2] = s[0]; dst[3] = 255; break;
                }
            }
        }
        add_pixels(t, rgba, (size_t)width * height);
    }
    result = 1;

out:
    if (z_open)
        inflateEnd(&z);
    free(filtered);
    free(rgba);
    return result;
}

static int decode_dib(const uint8_t *data, size_t size, struct totals *t)
{
    uint32_t header_size, compression;
    int32_t width, height;
    int bits;
    size_t colours, colour_stride, mask_stride, need;
    const uint8_t *table, *pixels, *mask;
    uint8_t *rgba;
    int use_alpha = 0;

    if (size < 40)
        return -1;
    header_size = le32(data);
    width = (int32_t)le32(data + 4);
    height = (int32_t)le32(data + 8) / 2;
    bits = le16(data + 14);
    compression = le32(data + 16);
    if (header_size < 40 || header_size > size || compression != 0)
        return -1;
    if (width < 1 || width > 256 || height < 1 || height > 256)
        return -1;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return -1;

    colours = bits <= 8 ? ((size_t)1 << bits) : 0;
    colour_stride = (((size_t)width * bits + 31) / 32) * 4;
    mask_stride = (((size_t)width + 31) / 32) * 4;
    table = data + header_size;
    pixels = table + colours * 4;
    mask = pixels + colour_stride * height;
    need = header_size + colours * 4 + colour_stride * height;
    if (need > size)
        return -1;
    /* A 32-bit image may leave the mask out. */
    if (need + mask_stride * height > size) {
        if (bits != 32)
            return -1;
        mask = NULL;
    }

    if (bits == 32) {
        for (int32_t y = 0; y < height && !use_alpha; y++)
            for (int32_t x = 0; x < width; x++)
                if (pixels[colour_stride * y + 4 * x + 3] != 0) {
                    use_alpha = 1;
                    break;
                }
    }

    rgba = malloc((size_t)width * height * 4);
    if (!rgba)
        return -1;
    for (int32_t y = 0; y < height; y++) {
        /* Bitmap rows run bottom to top. */
        const uint8_t *src = pixels + colour_stride * (height - 1 - y);
        const uint8_t *msk = mask ? mask + mask_stride * (height - 1 - y) : NULL;
        uint8_t *dst = rgba + (size_t)y * width * 4;
        for (int32_t x = 0; x < width; x++, dst += 4) {
            const uint8_t *c;
            int index;
            switch (bits) {
            case 1: index = (src[x >> 3] >> (7 - (x & 7))) & 1; c = table + 4 * index; break;
            case 4: index = (x & 1) ? (src[x >> 1] & 15) : (src[x >> 1] >> 4); c = table + 4 * index; break;
            case 8: c = table + 4 * src[x]; break;
            case 24: c = src + 3 * x; break;
            default: c = src + 4 * x; break;
            }
            dst[0] = c[2];
            dst[1] = c[1];
            dst[2] = c[0];
            if (use_alpha)
                dst[3] = c[3];
            else
                dst[3] = (msk && ((msk[x >> 3] >> (7 - (x & 7))) & 1)) ? 0 : 255;
        }
    }
    add_pixels(t, rgba, (size_t)width * height);
    free(rgba);
    return 1;
}

static void decode_file(const char *path, struct totals *t)
{
    FILE *f = fopen(path, "rb");
    uint8_t *data = NULL;
    long size;
    int count;

    if (!f) {
        fprintf(stderr, "%s: cannot open\n", path);
        t->failed++;
        return;
    }
    if (fseek(f, 0, SEEK_END) != 0 || (size = ftell(f)) < 0 || fseek(f, 0, SEEK_SET) != 0 ||
        !(data = malloc(size ? (size_t)size : 1)) || fread(data, 1, (size_t)size, f) != (size_t)size) {
        fprintf(stderr, "%s: cannot read\n", path);
        fclose(f);
        free(data);
        t->failed++;
        return;
    }
    fclose(f);
    t->files++;

    if (size < 6 || le16(data) != 0 || le16(data + 2) != 1) {
        fprintf(stderr, "%s: not an icon file\n", path);
        t->failed++;
        free(data);
        return;
    }
    count = le16(data + 4);
    for (int i = 0; i < count; i++) {
        const uint8_t *entry = data + 6 + 16 * (size_t)i;
        uint32_t length, offset;
        int r;
        if ((size_t)(6 + 16 * (i + 1)) > (size_t)size) {
            t->failed++;
            break;
        }
        length = le32(entry + 8);
        offset = le32(entry + 12);
        if (offset > (size_t)size || length > (size_t)size - offset) {
            t->failed++;
            continue;
        }
        if (length >= 8 && memcmp(data + offset, "\x89PNG", 4) == 0) {
            r = decode_png(data + offset, length, t);
            if (r > 0)
                t->png++;
        } else {
            r = decode_dib(data + offset, length, t);
            if (r > 0)
                t->dib++;
        }
        if (r == 0)
            t->skipped++;
        else if (r < 0)
            t->failed++;
    }
    free(data);
}

int main(int argc, char **argv)
{
    struct totals t;
    int first = 1;
    memset(&t, 0, sizeof t);
    if (argc > 1 && strcmp(argv[1], "--no-crc") == 0) {
        check_crc = 0;
        first = 2;
    }
    if (first >= argc) {
        fprintf(stderr, "usage: png_floor [--no-crc] FILE.ico...\n");
        return 2;
    }
    for (int i = first; i < argc; i++)
        decode_file(argv[i], &t);
    printf("files %ld, png %ld, dib %ld, skipped %ld, failed %ld, pixels %lld, checksum %016llx\n", t.files, t.png,
           t.dib, t.skipped, t.failed, t.pixels, (unsigned long long)t.checksum);
    return t.failed ? 1 : 0;
}
