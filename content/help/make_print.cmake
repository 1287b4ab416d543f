# Makes the printable page from the on-screen one: the navigation goes, and
# the print style sheet replaces the screen one.
#   cmake -DIN=index.html -DOUT=index_print.html -P make_print.cmake
file(READ ${IN} page)
string(REGEX REPLACE "<!-- nav -->.*<!-- /nav -->" "" page "${page}")
string(REPLACE "<body>" "<body class=\"print\">" page "${page}")
string(REPLACE "<title>" "<title>Printable: " page "${page}")
file(WRITE ${OUT} "${page}")
