"""Whole runs against the peers: a folder of photographs from the file on disk
to the files written, as a user runs them. Each run is timed from the start of
its command to the end, several times (the median is shown), with the peak
memory of its whole process tree (sampled every few milliseconds) and the size
of what it wrote. The tools take turns, run after run, so that a change in the
machine's load falls on all of them alike. JPEG-to-JPEG runs are also set
against libjpeg-turbo's own decoding and encoding of the same files (fast DCT,
quality 75, as many at once as there are cores), the speed of the codec
itself. Called by scripts/bench-peers."""
import glob, os, shutil, statistics, subprocess, sys, time

BUILD, PHOTOS, WORK, VIPS_RUN = (os.path.abspath(p) for p in sys.argv[1:5])
REPEATS = int(sys.argv[5])
CORES = os.cpu_count() or 1
GM_MEAN3 = "1,1,1,1,1,1,1,1,1"

# name, inputs, output extension, our commands, the peers' operations, GraphicsMagick's
# and ImageMagick's options.
RUNS = [
    ("Grayscale, JPEG to JPEG", "*.jpg", "jpg", ["Grayscale"], ["grey"],
     ["-colorspace", "Gray"], ["-colorspace", "Gray"]),
    ("Image negative, JPEG to JPEG", "*.jpg", "jpg", ["Image negative"], ["negative"],
     ["-negate"], ["-negate"]),
    ("Image negative, JPEG to PNG", "*.jpg", "png", ["Image negative"], ["negative"],
     ["-negate"], ["-negate"]),
    ("Image negative, PNG to PNG", "png/*.png", "png", ["Image negative"], ["negative"],
     ["-negate"], ["-negate"]),
    ("Grayscale, Fog, Image negative, JPEG to JPEG", "*.jpg", "jpg",
     ["Grayscale", "Fog", "Image negative"], ["grey", "mean3", "negative"],
     ["-colorspace", "Gray", "-convolve", GM_MEAN3, "-negate"],
     ["-colorspace", "Gray", "-define", "convolve:scale=!", "-morphology", "Convolve", "Square:1", "-negate"]),
]


def tree_rss(pid):
    """Resident bytes of a process and all its descendants."""
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
            children.setdefault(int(fields[1]), []).append(int(entry))
        except OSError:
            pass
    total, todo = 0, [pid]
    while todo:
        p = todo.pop()
        todo.extend(children.get(p, []))
        try:
            with open(f"/proc/{p}/statm") as f:
                total += int(f.read().split()[1]) * os.sysconf("SC_PAGE_SIZE")
        except OSError:
            pass
    return total


def timed(command, env=None, cwd=None):
    """Wall seconds and peak resident bytes of a command's process tree."""
    start = time.perf_counter()
    process = subprocess.Popen(command, env=env, cwd=cwd, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE)
    peak = 0
    while process.poll() is None:
        peak = max(peak, tree_rss(process.pid))
        time.sleep(0.005)
    seconds = time.perf_counter() - start
    if process.returncode != 0:
        raise RuntimeError(f"{command[0]} failed: {process.stderr.read().decode()[-500:]}")
    return seconds, peak


def commands(run, out):
    name, pattern, ext, ours, ops, gm, im = run
    inputs = sorted(glob.glob(os.path.join(PHOTOS, pattern)))
    env = dict(os.environ, XDG_DATA_HOME=os.path.join(WORK, "data"))
    script = " ".join(f"'{i}'" for i in inputs)
    vips = ["sh", "-c", f"printf '%s\\n' {script} | xargs -P{CORES} -I{{}} sh -c "
            f"'\"{VIPS_RUN}\" \"$1\" \"{out}/$(basename \"${{1%.*}}\").{ext}\" {' '.join(ops)}' _ {{}}"]
    # GraphicsMagick puts the name as given under its output folder: it runs
    # in the pictures' folder on their bare names.
    names = [os.path.basename(i) for i in inputs]
    tools = [
        ("ours", [os.path.join(BUILD, "pixmora-cli"), "apply", "--out-dir", out, "--format", ext, *inputs, "--", *ours], env),
        ("vips", vips, dict(os.environ, VIPS_CONCURRENCY="1")),
        ("gm", ["gm", "mogrify", "-output-directory", out, "-format", ext, "-quality", "75", *gm, *names], None),
        ("im", ["mogrify-im6.q16", "-path", out, "-format", ext, "-quality", "75", *im, *names], None),
    ]
    if pattern.endswith(".jpg") and ext == "jpg":
        codec = ["sh", "-c", f"printf '%s\\n' {script} | xargs -P{CORES} -I{{}} sh -c "
                 f"'djpeg -dct fast \"$1\" | cjpeg -quality 75 >\"{out}/$(basename \"$1\")\"' _ {{}}"]
        tools.append(("libjpeg-turbo", codec, None))
    return inputs, os.path.dirname(inputs[0]), tools


def pixels(inputs):
    """The pixels of the pictures, from their headers."""
    import struct
    total = 0
    for path in inputs:
        with open(path, "rb") as f:
            head = f.read(64 * 1024)
        if head.startswith(b"\x89PNG"):
            w, h = struct.unpack(">II", head[16:24])
        else:  # JPEG: the frame header
            i = 2
            while head[i + 1] < 0xC0 or head[i + 1] > 0xCF or head[i + 1] in (0xC4, 0xC8, 0xCC):
                i += 2 + struct.unpack(">H", head[i + 2:i + 4])[0]
            h, w = struct.unpack(">HH", head[i + 5:i + 9])
        total += w * h
    return total


def main():
    os.makedirs(os.path.join(WORK, "data", "VARDELO24"), exist_ok=True)
    print("| run | tool | seconds (median) | pictures/s | peak memory | bytes a pixel | output |")
    print("|---|---|---|---|---|---|---|")
    targets = []
    for run in RUNS:
        out = os.path.join(WORK, "out")
        inputs, folder, tools = commands(run, out)
        # Bytes a pixel: the peak over the pixels of as many of the largest
        # pictures as run at once.
        at_once = sum(sorted((pixels([i]) for i in inputs), reverse=True)[:CORES])
        times = {tool: [] for tool, _, _ in tools}
        peaks = {tool: 0 for tool, _, _ in tools}
        sizes = {}
        for _ in range(REPEATS):
            for tool, command, env in tools:
                # A run of over 20 s is timed once: its noise is small beside it.
                if times[tool] and times[tool][0] > 20:
                    continue
                shutil.rmtree(out, ignore_errors=True)
                os.makedirs(out)
                seconds, peak = timed(command, env, folder)
                times[tool].append(seconds)
                peaks[tool] = max(peaks[tool], peak)
                sizes[tool] = sum(os.path.getsize(p) for p in glob.glob(os.path.join(out, "*")))
        medians = {tool: statistics.median(t) for tool, t in times.items()}
        for tool, median in medians.items():
            print(f"| {run[0]} | {tool} | {median:.2f} | {len(inputs) / median:.2f} | "
                  f"{peaks[tool] / 2**20:.0f} MiB | {peaks[tool] / at_once:.1f} | "
                  f"{sizes[tool] / 2**20:.1f} MiB |", flush=True)
        for peer, target in (("libjpeg-turbo", 1.10), ("vips", 1.0)):
            if peer in medians:
                ratio = medians["ours"] / medians[peer]
                targets.append(f"{run[0]}: ours / {peer} {ratio:.2f} (target < {target:.2f}: "
                               f"{'met' if ratio < target else 'not met'})")
    print()
    print("\n".join(targets))


main()
