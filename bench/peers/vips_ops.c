/* vips_ops IN.png RUNS: times libvips on the operations scripts/bench-peers
 * compares, one thread, the picture held in memory, each run building the
 * operation and writing its whole result to memory. Prints "name MP/s" lines. */
#include <stdio.h>
#include <stdlib.h>
#include <vips/vips.h>

typedef int (*Build)(VipsImage *in, VipsImage **out);

static int Grey(VipsImage *in, VipsImage **out) {
  return vips_colourspace(in, out, VIPS_INTERPRETATION_B_W, NULL);
}

static int Negative(VipsImage *in, VipsImage **out) { return vips_invert(in, out, NULL); }

/* Integer convolution with a size x size kernel of ones, divided by its area. */
static int Mean(VipsImage *in, VipsImage **out, int size) {
  VipsImage *mask = vips_image_new_matrix(size, size);
  for (int y = 0; y < size; y++)
    for (int x = 0; x < size; x++) *VIPS_MATRIX(mask, x, y) = 1;
  vips_image_set_double(mask, "scale", size * size);
  const int failed = vips_conv(in, out, mask, "precision", VIPS_PRECISION_INTEGER, NULL);
  g_object_unref(mask);
  return failed;
}

static int Mean3(VipsImage *in, VipsImage **out) { return Mean(in, out, 3); }
static int Mean5(VipsImage *in, VipsImage **out) { return Mean(in, out, 5); }

static int Emboss(VipsImage *in, VipsImage **out) {
  VipsImage *mask = vips_image_new_matrixv(3, 3, -2.0, -1.0, 0.0, -1.0, 1.0, 1.0, 0.0, 1.0, 2.0);
  const int failed = vips_conv(in, out, mask, "precision", VIPS_PRECISION_INTEGER, NULL);
  g_object_unref(mask);
  return failed;
}

static int Threshold(VipsImage *in, VipsImage **out) {
  VipsImage *grey;
  if (Grey(in, &grey)) return -1;
  const int failed = vips_moreeq_const1(grey, out, 128, NULL);
  g_object_unref(grey);
  return failed;
}

static const struct {
  const char *name;
  Build build;
} kOps[] = {{"grey", Grey},     {"negative", Negative}, {"mean3", Mean3},
            {"mean5", Mean5},   {"emboss", Emboss},     {"threshold", Threshold}};

/* Seconds for one run, or a negative number when libvips fails. */
static double TimeRun(VipsImage *in, Build build) {
  GTimer *timer = g_timer_new();
  VipsImage *out;
  double seconds = -1;
  if (!build(in, &out)) {
    size_t size;
    void *pixels = vips_image_write_to_memory(out, &size);
    if (pixels) seconds = g_timer_elapsed(timer, NULL);
    g_free(pixels);
    g_object_unref(out);
  }
  g_timer_destroy(timer);
  return seconds;
}

int main(int argc, char **argv) {
  if (argc != 3 || atoi(argv[2]) < 1) {
    fprintf(stderr, "usage: vips_ops IN.png RUNS\n");
    return 2;
  }
  if (VIPS_INIT(argv[0])) vips_error_exit(NULL);
  vips_concurrency_set(1);
  vips_cache_set_max(0); /* every run computes afresh */
  VipsImage *file = vips_image_new_from_file(argv[1], NULL);
  VipsImage *in = file ? vips_image_copy_memory(file) : NULL;
  if (!in) vips_error_exit("cannot load %s", argv[1]);
  const double megapixels = (double)in->Xsize * in->Ysize / 1e6;
  const int runs = atoi(argv[2]);
  for (size_t i = 0; i < sizeof kOps / sizeof kOps[0]; i++) {
    double total = 0;
    for (int r = 0; r < runs; r++) {
      const double seconds = TimeRun(in, kOps[i].build);
      if (seconds < 0) vips_error_exit("%s failed", kOps[i].name);
      total += seconds;
    }
    printf("%s %.1f\n", kOps[i].name, megapixels * runs / total);
  }
  g_object_unref(in);
  g_object_unref(file);
  vips_shutdown();
  return 0;
}
