// Prints the X server's current cursor as XFixes reports it: "width height
// xhot yhot" and, given a file name, writes its image as a PAM (RGBA).
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>

int main(int argc, char **argv)
{
    Display *d = XOpenDisplay(nullptr);
    int event, error;
    if (!d || !XFixesQueryExtension(d, &event, &error))
        return 2;
    XFixesCursorImage *c = XFixesGetCursorImage(d);
    if (!c)
        return 3;
    std::printf("%d %d %d %d\n", c->width, c->height, c->xhot, c->yhot);
    if (argc > 1) {
        FILE *f = std::fopen(argv[1], "wb");
        if (!f)
            return 4;
        std::fprintf(f, "P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n", c->width,
                     c->height);
        for (int i = 0; i < c->width * c->height; i++) {
            // Premultiplied ARGB, one pixel a long.
            const unsigned long p = c->pixels[i];
            const unsigned a = (p >> 24) & 0xFF;
            unsigned char px[4] = {0, 0, 0, static_cast<unsigned char>(a)};
            for (int n = 0; n < 3 && a; n++)
                px[n] = static_cast<unsigned char>((((p >> (16 - 8 * n)) & 0xFF) * 255 + a / 2) / a);
            std::fwrite(px, 1, 4, f);
        }
        std::fclose(f);
    }
    XFree(c);
    XCloseDisplay(d);
    return 0;
}
