"""Plain-Python drawing for tools/draw_resources.py: shapes on a canvas, and the BMP and ICO formats."""
