/* vips_run IN OUT OP...: one picture through libvips as a whole run does it:
 * read IN, apply each OP (grey, negative, mean3) in turn, write OUT in the
 * format its extension names (JPEG at quality 75, PNG at libvips' defaults).
 * The peer of one picture of `pixmora-cli apply --out-dir`. */
#include <stdio.h>
#include <string.h>
#include <vips/vips.h>

static int Apply(const char *op, VipsImage *in, VipsImage **out) {
  if (strcmp(op, "grey") == 0) return vips_colourspace(in, out, VIPS_INTERPRETATION_B_W, NULL);
  if (strcmp(op, "negative") == 0) return vips_invert(in, out, NULL);
  if (strcmp(op, "mean3") == 0) {
    VipsImage *mask = vips_image_new_matrixv(3, 3, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0);
    vips_image_set_double(mask, "scale", 9);
    const int failed = vips_conv(in, out, mask, "precision", VIPS_PRECISION_INTEGER, NULL);
    g_object_unref(mask);
    return failed;
  }
  fprintf(stderr, "vips_run: unknown operation %s\n", op);
  return -1;
}

int main(int argc, char **argv) {
  if (argc < 4 || VIPS_INIT(argv[0])) return 2;
  VipsImage *image = vips_image_new_from_file(argv[1], "access", VIPS_ACCESS_SEQUENTIAL, NULL);
  if (!image) return 1;
  for (int i = 3; i < argc; i++) {
    VipsImage *next;
    if (Apply(argv[i], image, &next)) return 1;
    g_object_unref(image);
    image = next;
  }
  const char *dot = strrchr(argv[2], '.');
  const int jpeg = dot && (strcmp(dot, ".jpg") == 0 || strcmp(dot, ".jpeg") == 0);
  const int failed = jpeg ? vips_image_write_to_file(image, argv[2], "Q", 75, NULL)
                          : vips_image_write_to_file(image, argv[2], NULL);
  g_object_unref(image);
  return failed ? 1 : 0;
}
