$!STYLE PATH = "open
