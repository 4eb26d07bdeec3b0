# Resources compiled into the program. Filled in as the resources arrive.
set(QUORREL_RESOURCE_SOURCES)
