"""What the scripts that measure the program against astropy share: the
interpreter that Debian's python3-astropy serves, installed when missing,
the build of the probe programs of tools/CMakeLists.txt, astropy set to
work offline, the random observing nights, the refraction that the program
adds to a geometric altitude and the halving of a bracketed crossing.
Standard library only at the top, so that it can run before astropy is
there; numpy and astropy are imported where they are used."""
import importlib.util
import os
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DEBIAN_PYTHON = '/usr/bin/python3'  # the interpreter that python3-astropy serves


def ensure_astropy():
    """Installs python3-astropy when it is missing and makes sure the calling
    script runs under the interpreter it was installed for."""
    if importlib.util.find_spec('astropy'):
        return
    status = subprocess.run(['dpkg-query', '-W', '-f=${Status}', 'python3-astropy'],
                            capture_output=True, text=True).stdout
    if status != 'install ok installed':
        as_root = [] if os.geteuid() == 0 else ['sudo']
        subprocess.run(as_root + ['apt-get', 'update'], check=True, stdout=sys.stderr)
        subprocess.run(as_root + ['env', 'DEBIAN_FRONTEND=noninteractive', 'apt-get', 'install',
                                  '-y', 'python3-astropy'], check=True, stdout=sys.stderr)
    if os.path.realpath(sys.executable) != os.path.realpath(DEBIAN_PYTHON):
        os.execv(DEBIAN_PYTHON, [DEBIAN_PYTHON, *sys.argv])
    importlib.invalidate_caches()


def build_probe(target):
    """Configures build/ when it has never been, builds the probe program
    `target` (nothing to do when it is current) and returns its path."""
    build = ROOT / 'build'
    if not (build / 'CMakeCache.txt').exists():
        subprocess.run(['cmake', '-S', str(ROOT), '-B', str(build), '-G', 'Ninja', '-DORVEXAL_BUILD_UI=OFF'],
                       check=True, stdout=subprocess.DEVNULL)
    subprocess.run(['nice', '-n', '10', 'cmake', '--build', str(build), '-j2', '--target', target],
                   check=True, stdout=subprocess.DEVNULL)
    return build / 'tools' / target


FIRST_DAY_JD = 2460310.5  # 2024 January 1, 0h UT
DAYS = 1096               # to 2026 December 31
BISECTIONS = 13           # a 10-minute bracket halved to 0.07 s
SECONDS_PER_DAY = 86400.0
REFRACTION_FLOOR = -1.0   # true altitude below which no refraction is added, degrees


def offline_astropy():
    """astropy with its bundled tables and built-in ephemeris, nothing downloaded."""
    import warnings
    from astropy.coordinates import solar_system_ephemeris
    from astropy.utils import iers
    from astropy.utils.data import conf as data_conf

    iers.conf.auto_download = False
    # Past the end of the bundled IERS-B table (2022) UT1 - UTC is held at its
    # last value, a few hundredths of a second off.
    iers.conf.iers_degraded_accuracy = 'ignore'
    data_conf.allow_internet = False
    solar_system_ephemeris.set('builtin')
    warnings.simplefilter('ignore')  # the bundled leap-second list is past its expiry date


def local_midnights(rng, lon_west):
    """The local midnight (JD, UT) of a random date of 2024-2026 for the time
    zone nearest each longitude (degrees, west positive): 0h UT of the date
    plus round(longitude west / 15) hours."""
    import numpy as np

    return FIRST_DAY_JD + rng.integers(0, DAYS, len(lon_west)) + np.rint(lon_west / 15) / 24


def apparent_altitude(true_altitude):
    """Saemundsson (1986), Sky and Telescope 72, 70, at 1010 hPa and 10 C, in
    degrees, added above a true altitude of -1 degree; a target that it
    leaves below the horizon stands at its true altitude, as in the program."""
    import numpy as np

    h = np.asarray(true_altitude, dtype=float)
    refracted = h + 1.02 / np.tan(np.radians(h + 10.3 / (h + 5.11))) / 60
    return np.where((h > REFRACTION_FLOOR) & (refracted >= 0), refracted, h)


def halve(value, early, late, upward):
    """The instants (JD) where value(jd), an array function, crosses 0 upward
    (else downward) between early and late, halved BISECTIONS times."""
    import numpy as np

    for _ in range(BISECTIONS):
        middle = (early + late) / 2
        crossed = (value(middle) >= 0) == upward
        early, late = np.where(crossed, early, middle), np.where(crossed, middle, late)
    return (early + late) / 2


def duration(seconds):
    return f'{seconds:.1f} s' if seconds < 60 else f'{seconds / 60:.2f} min'
