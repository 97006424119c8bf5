"""Colours, the canvas and the shapes the pictures are built from."""

# Colours -------------------------------------------------------------------

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
BUTTON_GREY = (173, 173, 173)

# The standard 16-colour VGA palette, in the order Windows expects it.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
V_BLACK, V_MAROON, V_GREEN, V_OLIVE, V_NAVY, V_PURPLE, V_TEAL, V_SILVER, \
    V_GREY, V_RED, V_LIME, V_YELLOW, V_BLUE, V_FUCHSIA, V_AQUA, V_WHITE = VGA16


# Drawing -------------------------------------------------------------------
#
# Pixel (x, y) is treated as the point (x, y); y grows downwards. Shapes are
# first turned into sets of pixels so they can be filled and outlined
# separately. Only +, -, *, / and comparisons are used, never trigonometry,
# so results cannot drift between Python builds.

def scaled(length, scale):
    return int(length * scale + 0.5)


class Canvas:
    """Pixels of a picture described in units of its 100 % size.

    At scale 1 a unit is a pixel. At another scale, shapes are tested at the
    centre of each pixel mapped back into units, so the same description
    draws the picture larger or smaller; outlines grow with the scale.
    """

    def __init__(self, width, height, background=None, scale=1, size=None):
        self.scale = scale
        self.width, self.height = size or (scaled(width, scale), scaled(height, scale))
        # None marks a transparent pixel (icons only).
        self.pixels = [[background] * self.width for _ in range(self.height)]

    def inside(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height

    def put(self, x, y, colour):
        """Colour one pixel (in pixels, not units)."""
        if self.inside(x, y):
            self.pixels[y][x] = colour

    def get(self, x, y):
        return self.pixels[y][x]

    def unit(self, x):
        """The position in units of the centre of pixel x."""
        return (x + 0.5) / self.scale - 0.5

    def region(self, test):
        """All pixels whose centre satisfies test(x, y), x and y in units."""
        xs = [self.unit(x) for x in range(self.width)]
        return {(x, y) for y in range(self.height) for x in range(self.width)
                if test(xs[x], self.unit(y))}

    def fill(self, pixels, colour):
        for x, y in pixels:
            self.put(x, y, colour)

    def edge(self, pixels, colour, diagonal=False):
        """Colour the pixels of a region that lie within one unit of its outside."""
        steps = [(1, 0), (-1, 0), (0, 1), (0, -1)]
        if diagonal:
            steps += [(1, 1), (1, -1), (-1, 1), (-1, -1)]
        remaining = set(pixels)
        for _ in range(max(1, int(self.scale + 0.5))):
            border = {(x, y) for x, y in remaining
                      if any((x + dx, y + dy) not in remaining for dx, dy in steps)}
            self.fill(border, colour)
            remaining -= border

    def rect(self, x0, y0, x1, y1, colour):
        """Filled rectangle, corner units inclusive."""
        self.fill(self.region(lambda x, y: x0 - 0.5 <= x < x1 + 0.5 and
                              y0 - 0.5 <= y < y1 + 0.5), colour)

    def glyph(self, x, y, rows, colour):
        """Stamp a pattern of '#' characters, one unit each."""
        cells = {(x + dx, y + dy) for dy, row in enumerate(rows)
                 for dx, ch in enumerate(row) if ch == "#"}
        self.fill(self.region(lambda u, v: (int(u + 0.5), int(v + 0.5)) in cells
                              and u > -0.5 and v > -0.5), colour)

    def text(self, x, y, word, font, colour, gap=1):
        for ch in word:
            rows = font[ch]
            self.glyph(x, y + (font_height(font) - len(rows)), rows, colour)
            x += len(rows[0]) + gap


def picture_canvas(width, height, background, scale, oversample):
    """A canvas for a picture of width x height units drawn at `scale`, with
    oversample x oversample pixels for each pixel of the result."""
    return Canvas(width, height, background, scale * oversample,
                  (scaled(width, scale) * oversample, scaled(height, scale) * oversample))


def averaged(canvas, factor):
    """Each factor x factor block of pixels becomes one pixel of their mean."""
    result = Canvas(0, 0, size=(canvas.width // factor, canvas.height // factor))
    count = factor * factor
    for y in range(result.height):
        for x in range(result.width):
            block = [canvas.get(x * factor + i, y * factor + j)
                     for j in range(factor) for i in range(factor)]
            result.put(x, y, tuple((sum(c[k] for c in block) + count // 2) // count
                                   for k in range(3)))
    return result


def font_height(font):
    return max(len(rows) for rows in font.values())


def polygon(points):
    """Point-in-polygon test (even-odd rule)."""
    def test(x, y):
        px, py = x + 0.001, y + 0.001  # keep centres off shared edges
        inside = False
        n = len(points)
        for i in range(n):
            x0, y0 = points[i]
            x1, y1 = points[(i + 1) % n]
            if (y0 > py) != (y1 > py):
                cross = x0 + (py - y0) * (x1 - x0) / (y1 - y0)
                if px < cross:
                    inside = not inside
        return inside
    return test


def segment(x0, y0, x1, y1, width):
    """Thick line with round ends."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy
    limit = (width / 2.0) ** 2

    def test(x, y):
        t = ((x - x0) * dx + (y - y0) * dy) / length2 if length2 else 0.0
        t = min(1.0, max(0.0, t))
        ex, ey = x0 + t * dx - x, y0 + t * dy - y
        return ex * ex + ey * ey <= limit
    return test


def ellipse(cx, cy, rx, ry):
    def test(x, y):
        u, v = (x - cx) / rx, (y - cy) / ry
        return u * u + v * v <= 1.0
    return test


def disc(cx, cy, r):
    return ellipse(cx, cy, r, r)


def ring(cx, cy, outer, inner):
    def test(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        return inner * inner < d2 <= outer * outer
    return test


def rounded_rect(x0, y0, x1, y1, r):
    def test(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r + r * 0.5
    return test


def heart(cx, cy, size):
    """The classic heart curve (u^2 + v^2 - 1)^3 <= u^2 v^3, point down."""
    def test(x, y):
        u = (x - cx) / size
        v = -(y - cy) / size
        a = u * u + v * v - 1.0
        return a * a * a - u * u * v * v * v <= 0.0
    return test
