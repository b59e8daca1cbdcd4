"""Content of the web design reference that ships in the data folder."""
